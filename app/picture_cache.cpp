#include "app/picture_cache.h"

std::shared_ptr<rt::Picture> PictureCache::Get(const char* fileName) {
    if (!used_) {
        used_ = true;
        pic_.reset();
    }
    if (!pic_)
        pic_ = rt::Picture::OpenFromApp(fileName);
    return pic_;
}
