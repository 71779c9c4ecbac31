#pragma once
// An image read from the application's resources.
#include "framework/core/object.h"

#include <memory>
#include <string>

class QImage;

namespace rt {

class Picture : public Object {
public:
    explicit Picture(std::shared_ptr<const QImage> image) : image_(std::move(image)) {}

    // Reads the named image from the application's resources; nil when it is absent or unreadable.
    static std::shared_ptr<Picture> OpenFromApp(const std::string& name);
    // Where OpenFromApp looks: the compiled-in resources by default; tests point it elsewhere.
    static void SetResourceRoot(const std::string& root);
    static void ResetResourceRoot();

    int Width() const;
    int Height() const;
    const QImage& Image() const { return *image_; }

private:
    std::shared_ptr<const QImage> image_;
};

// The text of a named file among the application's resources; NilObjectException when absent.
std::string ResourceText(const std::string& name);

} // namespace rt
