#include "app/pictures.h"

#include "app/picture_cache.h"

std::shared_ptr<rt::Picture> Stitle() {
    static PictureCache cache;
    return cache.Get("Stitle.png");
}

std::shared_ptr<rt::Picture> Q() {
    static PictureCache cache;
    return cache.Get("Q.png");
}

std::shared_ptr<rt::Picture> by() {
    static PictureCache cache;
    return cache.Get("by.png");
}
