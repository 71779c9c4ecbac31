#include "framework/platform/picture.h"

#include "framework/core/text_model.h"

#include <QFile>
#include <QImage>
#include <cmath>

namespace rt {

namespace {
constexpr const char* kBuiltInRoot = ":/quorvane/";
std::string& Root() {
    static std::string root = kBuiltInRoot;
    return root;
}
// 3780 dots per metre is Qt's standard 96 dpi; pictures drawn at twice that are 2x pictures.
constexpr double kStandardDotsPerMeter = 3780.0;
} // namespace

std::shared_ptr<Picture> Picture::OpenFromApp(const std::string& name) {
    auto image = std::make_shared<QImage>();
    if (!image->load(ToQt(Root() + name)))
        return nullptr;
    image->setDevicePixelRatio(
        std::max(1.0, std::round(image->dotsPerMeterX() / kStandardDotsPerMeter)));
    return std::make_shared<Picture>(std::move(image));
}

void Picture::SetResourceRoot(const std::string& root) {
    Root() = root.empty() || root.back() == '/' ? root : root + "/";
}

void Picture::ResetResourceRoot() {
    Root() = kBuiltInRoot;
}

int Picture::Width() const {
    return static_cast<int>(image_->deviceIndependentSize().width());
}

int Picture::Height() const {
    return static_cast<int>(image_->deviceIndependentSize().height());
}

std::string ResourceText(const std::string& name) {
    QFile file(QString::fromUtf8(kBuiltInRoot) + ToQt(name));
    if (!file.open(QIODevice::ReadOnly))
        throw NilObjectException("The resource " + name + " is missing from the application.");
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace rt
