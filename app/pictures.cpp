#include "app/pictures.h"

#include "app/picture_cache.h"

namespace {

// The accessors' caches side by side, so that one reset reaches all three.
struct Caches {
    PictureCache stitle;
    PictureCache q;
    PictureCache by;
};

Caches& Kept() {
    static Caches caches;
    return caches;
}

} // namespace

std::shared_ptr<rt::Picture> Stitle() {
    return Kept().stitle.Get("Stitle.png");
}

std::shared_ptr<rt::Picture> Q() {
    return Kept().q.Get("Q.png");
}

std::shared_ptr<rt::Picture> by() {
    return Kept().by.Get("by.png");
}

void ResetPictures() {
    Kept() = Caches{};
}
