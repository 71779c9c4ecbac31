// The picture accessors keep what they loaded for the rest of the run; the fixture forgets the
// kept pictures around every case, so each case starts as a fresh run does.
#include "tests/support/gui_test.h"

#include "app/pictures.h"
#include "framework/platform/picture.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <ostream>
#include <string>

namespace {

class PicturesTest : public GuiTest {
protected:
    static void PointAt(const QTemporaryDir& folder) {
        rt::Picture::SetResourceRoot(folder.path().toStdString());
    }

    // Puts the application's own picture file into the folder under its own name.
    static void CopyBuiltIn(const QTemporaryDir& folder, const QString& fileName) {
        ASSERT_TRUE(QFile::copy(":/quorvane/" + fileName, folder.filePath(fileName)))
            << fileName.toStdString();
    }

    QTemporaryDir empty;
    QTemporaryDir folder;
};

TEST_F(PicturesTest, StitleIsReadOnceAndBothTitleCanvasesShareIt) {
    CopyBuiltIn(folder, "Stitle.png");
    PointAt(folder);
    const auto first = Stitle();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(::AboutWnd()->Canvas1()->Backdrop(), first);
    EXPECT_EQ(::ControlWnd()->Canvas1()->Backdrop(), first);

    // With nothing left to read, only the kept picture can answer.
    PointAt(empty);
    EXPECT_EQ(Stitle(), first);
}

struct PictureRow {
    const char* name;
    const char* fileName;
    std::shared_ptr<rt::Picture> (*get)();
    int width; // logical size; the files are drawn at twice it
    int height;
};

void PrintTo(const PictureRow& row, std::ostream* os) {
    *os << row.name;
}

class PictureAccessorTest : public PicturesTest,
                            public ::testing::WithParamInterface<PictureRow> {};

TEST_P(PictureAccessorTest, MissingFileIsTriedAgainUntilItsExactNameAppears) {
    const PictureRow& row = GetParam();
    PointAt(empty);
    EXPECT_EQ(row.get(), nullptr);

    // Files whose names differ only in letter case are not the picture's.
    const QString exact = row.fileName;
    QImage decoy(5, 3, QImage::Format_ARGB32);
    decoy.fill(Qt::red);
    QSet<QString> lookalikes = {exact.toLower(), exact.toUpper(),
                                (exact[0].isUpper() ? exact[0].toLower() : exact[0].toUpper()) +
                                    exact.mid(1)};
    lookalikes.remove(exact);
    for (const QString& name : lookalikes)
        ASSERT_TRUE(decoy.save(folder.filePath(name), "PNG")) << name.toStdString();
    PointAt(folder);
    EXPECT_EQ(row.get(), nullptr);

    CopyBuiltIn(folder, exact);
    const auto picture = row.get();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), row.width);
    EXPECT_EQ(picture->Height(), row.height);

    PointAt(empty);
    EXPECT_EQ(row.get(), picture);
}

TEST_P(PictureAccessorTest, BuiltInPictureIsDrawnAtTwiceItsLogicalSize) {
    const PictureRow& row = GetParam();
    const auto picture = row.get();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), row.width);
    EXPECT_EQ(picture->Height(), row.height);
    EXPECT_EQ(picture->Image().width(), 2 * row.width);
    EXPECT_EQ(picture->Image().height(), 2 * row.height);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureAccessorTest,
                         ::testing::Values(PictureRow{"Stitle", "Stitle.png", &Stitle, 325, 175},
                                           PictureRow{"Q", "Q.png", &Q, 48, 48},
                                           PictureRow{"by", "by.png", &by, 316, 49}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PicturesTest, WithoutQTheHelpButtonIsBlankAndStillOpensTheHelpWindow) {
    CopyBuiltIn(folder, "Stitle.png");
    PointAt(folder);

    const auto window = ::ControlWnd();
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->helpBtn()->Backdrop(), nullptr);
    EXPECT_NE(window->Canvas1()->Backdrop(), nullptr);

    Click(window->helpBtn()->Widget());
    const auto help = rt::GetImplicitWindow("DescriptionWnd.DescriptionWnd");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->Visible());
}

struct ScaleRow {
    const char* name;
    int dotsPerMeter;
    int logicalWidth;
    int logicalHeight;
};

void PrintTo(const ScaleRow& row, std::ostream* os) {
    *os << row.name;
}

class PictureScaleTest : public PicturesTest, public ::testing::WithParamInterface<ScaleRow> {};

TEST_P(PictureScaleTest, ReportsTheSizeItIsDrawnAt) {
    const ScaleRow& row = GetParam();
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    image.setDotsPerMeterX(row.dotsPerMeter);
    image.setDotsPerMeterY(row.dotsPerMeter);
    ASSERT_TRUE(image.save(folder.filePath("scaled.png"), "PNG"));
    PointAt(folder);

    const auto picture = rt::Picture::OpenFromApp("scaled.png");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), row.logicalWidth);
    EXPECT_EQ(picture->Height(), row.logicalHeight);
    EXPECT_EQ(picture->Image().width(), 40);
}

INSTANTIATE_TEST_SUITE_P(Scales, PictureScaleTest,
                         ::testing::Values(ScaleRow{"Standard96Dpi", 3780, 40, 20},
                                           ScaleRow{"Double192Dpi", 7559, 20, 10},
                                           ScaleRow{"DoubleExact", 7560, 20, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PicturesTest, AbsentOrUnreadableFileGivesNoPicture) {
    QFile garbage(folder.filePath("garbage.png"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture");
    garbage.close();
    PointAt(folder);
    EXPECT_EQ(rt::Picture::OpenFromApp("garbage.png"), nullptr);
    EXPECT_EQ(rt::Picture::OpenFromApp("absent.png"), nullptr);
}

} // namespace
