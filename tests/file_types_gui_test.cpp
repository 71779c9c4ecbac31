#include "tests/support/gui_test.h"

#include "app/file_types.h"
#include "app/startup.h"
#include "framework/core/runtime_exception.h"
#include "framework/platform/platform_hooks.h"

#include <vector>

namespace {

std::string FieldsOf(const rt::FileType& type) {
    return "name=" + type.Name() + " extensions=" + type.Extensions() + " type=" + type.MacType() +
           " creator=" + type.MacCreator() + " mime=" + type.MimeType() +
           " imported=" + (type.Imported() ? "1" : "0") + " conforms=" + type.ConformsTo() +
           " uti=" + type.UTI();
}

class FileTypesTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        // The file types are globals: each test starts from what the initialisers give a run.
        rt::RuntimePerformInitializers(Initializers());
        rt::Hooks().registerFileType = [this](const rt::FileType& type) {
            registered.push_back(FieldsOf(type));
        };
    }

    // The fields of each type as it was registered, in the order of registration.
    std::vector<std::string> registered;
};

TEST_F(FileTypesTest, ListHoldsTextThenUntitledTypeAndAccessorsKeepTheirObjects) {
    ASSERT_TRUE(pAllFileTypes.empty());
    ASSERT_EQ(FileTypes::Text(), nullptr);
    ASSERT_EQ(FileTypes::UntitledType(), nullptr);

    FileTypes::Initialize();

    ASSERT_EQ(pAllFileTypes.size(), 2u);
    const auto text = FileTypes::Text();
    const auto untitled = FileTypes::UntitledType();
    ASSERT_NE(text, nullptr);
    ASSERT_NE(untitled, nullptr);
    EXPECT_NE(text, untitled);
    EXPECT_EQ(pAllFileTypes[0], text);
    EXPECT_EQ(pAllFileTypes[1], untitled);
    EXPECT_EQ(FileTypes::Text(), text);
    EXPECT_EQ(FileTypes::UntitledType(), untitled);
}

struct DeclaredType {
    const char* name;
    std::shared_ptr<rt::FileType> (*accessor)();
    std::size_t registrationOrder;
    const char* fields;
};

class DeclaredTypeTest : public FileTypesTest,
                         public ::testing::WithParamInterface<DeclaredType> {};

TEST_P(DeclaredTypeTest, RegisteredOnceWithItsFinalFields) {
    FileTypes::Initialize();
    const auto type = GetParam().accessor();
    ASSERT_NE(type, nullptr);

    EXPECT_EQ(FieldsOf(*type), GetParam().fields);
    EXPECT_TRUE(type->IsRegistered());
    EXPECT_EQ(type->RegistrationCount(), 1);
    ASSERT_EQ(registered.size(), 2u);
    EXPECT_EQ(registered[GetParam().registrationOrder], GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    FileTypes, DeclaredTypeTest,
    ::testing::Values(
        DeclaredType{
            "Text", &FileTypes::Text, 0,
            "name=text extensions= type=TEXT creator=R*ch mime= imported=1 conforms= uti="},
        DeclaredType{"UntitledType", &FileTypes::UntitledType, 1,
                     "name= extensions= type= creator= mime= imported=1 conforms= uti="}),
    [](const ::testing::TestParamInfo<DeclaredType>& info) {
        return std::string(info.param.name);
    });

// A registration the platform refuses, and what the declaration has done by then.
struct RefusedRegistration {
    const char* name;
    int refused;
    std::vector<bool> listedRegistered;
};

class RefusedRegistrationTest : public FileTypesTest,
                                public ::testing::WithParamInterface<RefusedRegistration> {};

TEST_P(RefusedRegistrationTest, ErrorStopsTheDeclarationThere) {
    int registrations = 0;
    rt::Hooks().fault = [&](const std::string& operation) {
        if (operation == "FileType.Register" && ++registrations == GetParam().refused)
            throw rt::RuntimeException("The platform refused the document type.");
    };

    EXPECT_THROW(FileTypes::Initialize(), rt::RuntimeException);

    std::vector<bool> listedRegistered;
    for (const auto& listed : pAllFileTypes)
        listedRegistered.push_back(rt::Cast<rt::FileType>(listed)->IsRegistered());
    EXPECT_EQ(listedRegistered, GetParam().listedRegistered);
}

INSTANTIATE_TEST_SUITE_P(FileTypes, RefusedRegistrationTest,
                         ::testing::Values(RefusedRegistration{"Text", 1, {false}},
                                           RefusedRegistration{"UntitledType", 2, {true, false}}),
                         [](const ::testing::TestParamInfo<RefusedRegistration>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
