#include "Pictures.h"

#include <mutex>
#include <span>
#include <vector>

namespace gui
{
namespace
{
struct Registry
{
    std::mutex mutex;
    std::vector<std::span<const EmbeddedPicture>> tables;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}
} // namespace

void registerPictures(const EmbeddedPicture* table, std::size_t count)
{
    if (!table || count == 0)
        return;
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    for (const auto& known : r.tables)
        if (known.data() == table)
            return;
    r.tables.emplace_back(table, count);
}

const EmbeddedPicture* findPicture(int number)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    for (const auto& table : r.tables)
        for (const EmbeddedPicture& picture : table)
            if (picture.number == number && picture.data)
                return &picture;
    return nullptr;
}
} // namespace gui
