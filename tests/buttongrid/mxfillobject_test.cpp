#include <gtest/gtest.h>

#include "buttongrid/mxfillobject.h"
#include "support/changecounter.h"
#include "support/pixels.h"
#include "support/setternotifies.h"

namespace {

QImage SmallPicture() {
    QImage image = Blank(QSize(3, 2), qRgb(1, 2, 3));
    return image;
}

TEST(MxFillObject, Defaults) {
    TMxFillObject fill;
    EXPECT_EQ(fill.Style(), TMxFillStyle::sfNone);
    EXPECT_EQ(fill.TileMode(), TMxTileMode::tmTile);
    EXPECT_EQ(fill.Alignment(), TMxAlignment::agTopLeft);
    EXPECT_EQ(fill.OffsetX(), 0);
    EXPECT_EQ(fill.OffsetY(), 0);
    EXPECT_EQ(fill.Options().bits(), 1 | 4);
    EXPECT_TRUE(fill.Options().has(TMxFillOption::foFillInner));
    EXPECT_FALSE(fill.Options().has(TMxFillOption::foQuickDraw));
    EXPECT_TRUE(fill.Options().has(TMxFillOption::foGrUseBitmap));
    EXPECT_EQ(fill.Brush(), (TMxBrush{clWhite, TMxBrushStyle::bsSolid}));
    EXPECT_TRUE(fill.Bitmap().isNull());
    TMxShapeFill shape;
    EXPECT_EQ(shape.Style(), TMxFillStyle::sfBrush);
}

TEST(MxFillObject, GradientChangeReachesTheOwnerWithTheFillAsSender) {
    TMxFillObject fill;
    ChangeCounter counter;
    counter.Hook(fill);
    fill.Gradient().SetStyle(TMxGradientStyle::gstElliptic);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(counter.lastSender, &fill);
    fill.Gradient().SetStyle(TMxGradientStyle::gstElliptic);
    EXPECT_EQ(counter.calls, 1);
}

TEST(MxFillObject, GradientChangeInsideAnUpdateIsHeldBack) {
    TMxFillObject fill;
    ChangeCounter counter;
    counter.Hook(fill);
    fill.BeginUpdate();
    fill.Gradient().SetColor(clRed);
    fill.Gradient().SetEndColor(clLime);
    EXPECT_EQ(counter.calls, 0);
    EXPECT_EQ(fill.Gradient().ColorTable().front(), clRed);
    fill.EndUpdate();
    EXPECT_EQ(counter.calls, 1);
}

SETTER_NOTIFIES_ONCE_SUITE(
    FillSetterTest, TMxFillObject,
    SetterRow<TMxFillObject>{"Style", [](TMxFillObject& f) { f.SetStyle(TMxFillStyle::sfGradient); }},
    SetterRow<TMxFillObject>{"TileMode", [](TMxFillObject& f) { f.SetTileMode(TMxTileMode::tmStretch); }},
    SetterRow<TMxFillObject>{"Alignment", [](TMxFillObject& f) { f.SetAlignment(TMxAlignment::agCenter); }},
    SetterRow<TMxFillObject>{"Brush",
                             [](TMxFillObject& f) {
                                 f.SetBrush({clRed, TMxBrushStyle::bsSolid});
                             }},
    SetterRow<TMxFillObject>{"OffsetX", [](TMxFillObject& f) { f.SetOffsetX(3); }},
    SetterRow<TMxFillObject>{"OffsetY", [](TMxFillObject& f) { f.SetOffsetY(-3); }},
    SetterRow<TMxFillObject>{"Options",
                             [](TMxFillObject& f) { f.SetOptions({TMxFillOption::foQuickDraw}); }});

TEST(MxFillObject, SettingTheGradientCopiesItAndNotifiesOncePerCall) {
    TMxFillObject fill;
    ChangeCounter counter;
    counter.Hook(fill);
    TMxGradient g;
    g.SetColor(clRed);
    fill.SetGradient(g);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(fill.Gradient().Color(), clRed);
    g.SetColor(clLime);
    EXPECT_EQ(fill.Gradient().Color(), clRed);  // a copy, not a reference
    EXPECT_EQ(counter.calls, 1);
}

TEST(MxFillObject, EveryBitmapAssignmentNotifies) {
    TMxFillObject fill;
    ChangeCounter counter;
    counter.Hook(fill);
    fill.SetBitmap(SmallPicture());
    fill.SetListBitmap(SmallPicture());
    EXPECT_EQ(counter.calls, 2);
}

TEST(MxFillObject, EmptyForNoneAndForPictureStylesWithoutPicture) {
    TMxFillObject fill;
    EXPECT_TRUE(fill.IsEmpty());
    fill.SetStyle(TMxFillStyle::sfBitmap);
    EXPECT_TRUE(fill.IsEmpty());
    fill.SetListBitmap(SmallPicture());
    EXPECT_TRUE(fill.IsEmpty());  // the list picture belongs to sfBitmapList
    fill.SetStyle(TMxFillStyle::sfBitmapList);
    EXPECT_FALSE(fill.IsEmpty());
    fill.SetStyle(TMxFillStyle::sfBitmap);
    fill.SetBitmap(SmallPicture());
    EXPECT_FALSE(fill.IsEmpty());
    fill.SetStyle(TMxFillStyle::sfBrush);
    EXPECT_FALSE(fill.IsEmpty());
    fill.SetStyle(TMxFillStyle::sfGradient);
    EXPECT_FALSE(fill.IsEmpty());
}

TEST(MxFillObject, AssignCopiesEverythingWithOneNotification) {
    TMxFillObject source;
    source.SetStyle(TMxFillStyle::sfGradient);
    source.SetTileMode(TMxTileMode::tmCenter);
    source.SetBitmap(SmallPicture());
    source.SetAlignment(TMxAlignment::agBottomRight);
    source.SetBrush({clLime, TMxBrushStyle::bsClear});
    source.SetOffsetX(4);
    source.SetOffsetY(5);
    source.SetOptions({TMxFillOption::foQuickDraw});
    source.Gradient().SetColor(clRed);
    source.Gradient().SetStyle(TMxGradientStyle::gstSquare);

    TMxFillObject fill;
    ChangeCounter counter;
    counter.Hook(fill);
    fill.Assign(source);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(fill.Style(), TMxFillStyle::sfGradient);
    EXPECT_EQ(fill.TileMode(), TMxTileMode::tmCenter);
    EXPECT_EQ(fill.Bitmap(), source.Bitmap());
    EXPECT_EQ(fill.Alignment(), TMxAlignment::agBottomRight);
    EXPECT_EQ(fill.Brush(), source.Brush());
    EXPECT_EQ(fill.OffsetX(), 4);
    EXPECT_EQ(fill.OffsetY(), 5);
    EXPECT_EQ(fill.Options(), source.Options());
    EXPECT_EQ(fill.Gradient().Color(), clRed);
    EXPECT_EQ(fill.Gradient().Style(), TMxGradientStyle::gstSquare);
    EXPECT_EQ(fill.Gradient().ColorTable(), source.Gradient().ColorTable());
}

TEST(MxFillObject, AssignFromAPlainShapeFillKeepsTheFillObjectsOwnProperties) {
    TMxShapeFill source;
    source.SetTileMode(TMxTileMode::tmNone);
    TMxFillObject fill;
    fill.SetOffsetX(9);
    fill.Assign(source);
    EXPECT_EQ(fill.Style(), TMxFillStyle::sfBrush);
    EXPECT_EQ(fill.TileMode(), TMxTileMode::tmNone);
    EXPECT_EQ(fill.OffsetX(), 9);
}

TEST(MxFillObject, FillOptionsAreStoredAsTheirThreeBits) {
    EXPECT_EQ(TMxFillOptions::fromBits(7),
              (TMxFillOptions{TMxFillOption::foFillInner, TMxFillOption::foQuickDraw,
                              TMxFillOption::foGrUseBitmap}));
    EXPECT_EQ(TMxFillOptions::fromBits(4), TMxFillOptions{TMxFillOption::foGrUseBitmap});
}

}  // namespace
