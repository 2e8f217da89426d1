// Screenshots painted from the model: panels with bevels and centred captions, labels,
// images at negative positions, native-looking controls.
#include <gtest/gtest.h>

#include <filesystem>

#include "toolkit/ComCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

class Screenshot : public ::testing::Test {
protected:
    headless::ApplicationScope app;
    TForm* form = new TForm(Application);
    void SetUp() override {
        form->SetClientSize(200, 120);
        form->SetColor(clBlue);
        form->ShowForm();
    }
    // The bounding box of the pixels of one colour inside a rectangle.
    static TRect InkBox(const TBitmap& shot, TColor ink, TRect within) {
        TRect box{within.Right, within.Bottom, within.Left, within.Top};
        for (int y = within.Top; y < within.Bottom; ++y)
            for (int x = within.Left; x < within.Right; ++x)
                if (shot.Pixel(x, y) == ink)
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
        return box;
    }
};

TEST_F(Screenshot, PanelHasARaisedBevelAndACentredCaption) {
    auto* panel = new TPanel(form);
    panel->SetBounds(10, 20, 100, 41);
    panel->SetColor(clNavy);
    panel->Font().SetColor(clWhite);
    panel->SetCaption("Welcome");
    panel->SetParent(form);
    const TBitmap shot = headless::Screenshot(*form);
    EXPECT_EQ(shot.Pixel(0, 0), clBlue);
    EXPECT_EQ(shot.Pixel(10, 20), clWhite); // top-left: highlight
    EXPECT_EQ(shot.Pixel(50, 20), clWhite);
    EXPECT_EQ(shot.Pixel(10, 40), clWhite);
    EXPECT_EQ(shot.Pixel(109, 40), ColorToRGB(clBtnShadow)); // right edge: shadow
    EXPECT_EQ(shot.Pixel(50, 60), ColorToRGB(clBtnShadow)); // bottom edge
    EXPECT_EQ(shot.Pixel(109, 20), ColorToRGB(clBtnShadow)); // top-right corner belongs to the shadow
    EXPECT_EQ(shot.Pixel(12, 22), clNavy);
    const TRect text = InkBox(shot, clWhite, Rect(11, 21, 109, 60));
    EXPECT_LE(std::abs((text.Left - 10) - (110 - text.Right)), 2);
    EXPECT_LE(std::abs((text.Top - 20) - (61 - text.Bottom)), 4);
    panel->BevelOuter = bvNone;
    EXPECT_EQ(headless::Screenshot(*form).Pixel(10, 20), clNavy);
}

TEST_F(Screenshot, GraphicChildrenPaintInZOrderAndWindowsCoverThem) {
    auto* label = new TLabel(form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 50, 20);
    label->SetColor(clYellow);
    label->SetParent(form);
    auto* over = new TLabel(form);
    over->SetAutoSize(false);
    over->SetBounds(40, 0, 50, 20);
    over->SetColor(clLime);
    over->SetParent(form);
    auto* panel = new TPanel(form);
    panel->BevelOuter = bvNone;
    panel->SetColor(clRed);
    panel->SetBounds(80, 0, 50, 20);
    panel->SetParent(form);
    const TBitmap shot = headless::Screenshot(*form);
    EXPECT_EQ(shot.Pixel(45, 10), clLime);
    EXPECT_EQ(shot.Pixel(85, 10), clRed);
    EXPECT_EQ(shot.Pixel(135, 10), clBlue);
    over->SetTransparent(true);
    EXPECT_EQ(headless::Screenshot(*form).Pixel(45, 10), clYellow);
}

TEST_F(Screenshot, ImageSitsAtNegativePositionsAndStretches) {
    auto* image = new TImage(form);
    image->Picture().SetSize(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) image->Picture().SetPixel(x, y, x < 10 ? clRed : clLime);
    image->SetBounds(-10, 0, 20, 20);
    image->SetParent(form);
    TBitmap shot = headless::Screenshot(*form);
    EXPECT_EQ(shot.Pixel(0, 5), clLime);
    EXPECT_EQ(shot.Pixel(10, 5), clBlue);
    image->SetBounds(0, 0, 40, 10);
    image->SetStretch(true);
    shot = headless::Screenshot(*form);
    EXPECT_EQ(shot.Pixel(19, 9), clRed);
    EXPECT_EQ(shot.Pixel(20, 9), clLime);
    EXPECT_EQ(shot.Pixel(39, 0), clLime);
    image->SetStretch(false);
    image->SetAutoSize(true);
    EXPECT_EQ(image->BoundsRect(), Rect(0, 0, 20, 20));
}

TEST_F(Screenshot, NativeControlsShowTheirState) {
    auto* box = new TCheckBox(form);
    box->SetBounds(10, 10, 80, 17);
    box->SetParent(form);
    auto* bar = new TProgressBar(form);
    bar->SetBounds(10, 40, 102, 10);
    bar->SetParent(form);
    const TBitmap before = headless::Screenshot(*form);
    headless::Click(*form, 15, 18);
    EXPECT_TRUE(box->Checked());
    bar->SetPosition(50);
    const TBitmap after = headless::Screenshot(*form);
    int changed = 0;
    for (int y = 10; y < 27; ++y)
        for (int x = 10; x < 23; ++x) changed += before.Pixel(x, y) != after.Pixel(x, y);
    EXPECT_GT(changed, 4); // the tick
    EXPECT_EQ(after.Pixel(11 + 49, 45), ColorToRGB(clHighlight));
    EXPECT_NE(after.Pixel(11 + 51, 45), ColorToRGB(clHighlight));
    EXPECT_TRUE(
        headless::SaveScreenshot(*form, (std::filesystem::path(::testing::TempDir()) / "toolkit-native.png").string()));
}

TEST_F(Screenshot, TypingGoesIntoTheFocusedEdit) {
    auto* edit = new TEdit(form);
    edit->SetBounds(10, 10, 100, 21);
    edit->SetParent(form);
    headless::Click(*form, 20, 20);
    EXPECT_TRUE(edit->Focused());
    headless::Type(*form, "C:\\Apps");
    headless::KeyChar(*form, '\b');
    EXPECT_EQ(edit->Text(), "C:\\App");
    const TRect text = InkBox(headless::Screenshot(*form), ColorToRGB(clWindowText), Rect(10, 10, 110, 31));
    EXPECT_GT(text.Width(), 20);
}

} // namespace
