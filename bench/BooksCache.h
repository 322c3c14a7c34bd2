#pragma once

#include <map>
#include <memory>

// Generated books are slow to make: each size is made once and kept for every benchmark that
// asks for it. Books is constructed from the number of invoices.
template <typename Books, typename Size> class BooksCache {
public:
    static Books& get(Size invoices)
    {
        auto& slot = made()[invoices];
        if (!slot)
            slot = std::make_unique<Books>(invoices);
        return *slot;
    }
    // Call before the application object goes: the books' temporary folders and connections
    // must go while it still exists.
    static void clear() { made().clear(); }

private:
    static std::map<Size, std::unique_ptr<Books>>& made()
    {
        static std::map<Size, std::unique_ptr<Books>> books;
        return books;
    }
};
