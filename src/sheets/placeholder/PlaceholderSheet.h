#pragma once

#include "sheets/Sheet.h"

// A page of the walk whose sheet is not built yet: it shows its headings, offers nothing to answer and
// judges nothing.
class PlaceholderSheet final : public Sheet {
public:
    explicit PlaceholderSheet(int page) : m_page(page) {}
    int page() const { return m_page; }
    void Present() override {}
    void Judge() override {}

private:
    int m_page;
};
