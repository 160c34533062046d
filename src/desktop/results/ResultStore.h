#pragma once

#include "components/Services.h"
#include "desktop/DataFolder.h"

// Keeps the record of every finished test run as a file of its own in the results folder. A record that
// cannot be written costs the pupil one German notice and standard error a line; the test goes on.
class ResultStore {
public:
    ResultStore(ResultsFolderChoice folder, const UserService& user, NoticeService& notices)
        : m_folder(std::move(folder)), m_user(user), m_notices(notices)
    {
    }

    // The totals and fields of the finished run, as the print service receives them. The name comes from
    // the user service, the end is now.
    void store(double right, double asked, const PrintFields& fields);

    const ResultsFolderChoice& folder() const { return m_folder; }

private:
    // Empty when the folder is ready; else why not.
    QString prepareFolder() const;

    ResultsFolderChoice m_folder;
    const UserService& m_user;
    NoticeService& m_notices;
};
