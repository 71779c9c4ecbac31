#pragma once
// The state each picture accessor keeps of its own: a first-use flag and the loaded picture.
#include "framework/platform/picture.h"

#include <memory>

class PictureCache {
public:
    std::shared_ptr<rt::Picture> Get(const char* fileName);

private:
    bool used_ = false;
    std::shared_ptr<rt::Picture> pic_;
};
