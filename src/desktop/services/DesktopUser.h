#pragma once

#include "components/Services.h"

// The user is whoever typed a name on the start page; the name stays for the next test run. The avatar
// figures show one of a few looks, and a click on a figure moves on to the next look.
class DesktopUser final : public UserService {
public:
    static constexpr int LookCount = 4;

    QString UserName() const override { return m_name; }
    void SetUserName(const QString& name) override { m_name = name; }
    void AvatarClicked() override { m_look = (m_look + 1) % LookCount; }
    // 0 .. LookCount - 1
    int avatarLook() const { return m_look; }

private:
    QString m_name;
    int m_look = 0;
};
