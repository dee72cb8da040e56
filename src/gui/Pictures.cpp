#include "Pictures.h"

#include "PackedPicture.h"

#include <algorithm>
#include <mutex>
#include <span>
#include <vector>

namespace gui
{
namespace
{
struct Table
{
    std::span<const EmbeddedPicture> pictures;
    int zoom;
};

struct Registry
{
    std::mutex mutex;
    std::vector<Table> tables;
    std::vector<PictureMaker> makers;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}
} // namespace

void registerPictures(const EmbeddedPicture* table, std::size_t count, int zoomPercent)
{
    if (!table || count == 0)
        return;
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    for (const Table& known : r.tables)
        if (known.pictures.data() == table)
            return;
    r.tables.push_back({{table, count}, zoomPercent});
}

const EmbeddedPicture* findPicture(int number, int zoomPercent)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    for (const Table& table : r.tables)
        if (table.zoom == zoomPercent)
            for (const EmbeddedPicture& picture : table.pictures)
                if (picture.number == number && picture.data)
                    return &picture;
    return nullptr;
}
void registerPictureMaker(PictureMaker maker)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (maker && std::find(r.makers.begin(), r.makers.end(), maker) == r.makers.end())
        r.makers.push_back(maker);
}

bool makePicture(int number, int zoomPercent, Image& out)
{
    std::vector<PictureMaker> makers;
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        makers = r.makers;
    }
    for (PictureMaker maker : makers)
        if (maker(number, zoomPercent, out))
            return true;
    const EmbeddedPicture* packed = findPicture(number, zoomPercent);
    return packed && unpackPicture(packed->data, packed->size, out);
}
} // namespace gui
