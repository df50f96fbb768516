#include <gtest/gtest.h>

#include "views/QlmView.h"
#include "views/QlmViewCursor.h"

namespace {

using namespace QlmViewCursor;

// Tools whose cursor differs between the views, with one row each for the
// tools that all views show alike.
TEST(QlmViewCursor, EachViewShowsItsCursorForTheTool) {
  struct Case {
    int tool;
    int view3D, axial, cross, panoramic;
  };
  const Case cases[] = {
      {0, Default, Default, Default, Default},
      {10, Default, Default, Default, Default},
      {23, Pan, Pan, Pan, Pan},
      {2, AreaZoom, AreaZoom, Default, AreaZoom},
      {21, AreaZoom, AreaZoom, Default, AreaZoom},
      {16, AreaZoom, AreaZoom, Keep, AreaZoom},
      {3, RotateOutside, Keep, Keep, Keep},
      {4, Ruler, Ruler, Ruler, Ruler},
      {5, Keep, AddPoints, Keep, Keep},
      {6, Keep, MovePoints, Keep, Keep},
      {24, Keep, AddPoints, Keep, AddPoints},
      {25, Keep, MovePoints, Keep, MovePoints},
      {7, Default, InsertImplantAxial, InsertImplantLower, InsertImplantLower},
      {74, Default, InsertImplantAxial, InsertImplantLower, InsertImplantLower},  // custom implant
      {71, Keep, Keep, Keep, Keep},                                               // endodontic move
      {9, MoveImplant, MoveImplant, MoveImplant, MoveImplant},
      {19, ZoomIn, ZoomIn, ZoomIn, ZoomIn},
      {20, ZoomOut, ZoomOut, ZoomOut, ZoomOut},
      {22, ZoomReset, ZoomReset, ZoomReset, ZoomReset},
      {14, ZoomIn, ZoomIn, Keep, ZoomIn},
      {15, ZoomOut, ZoomOut, Keep, ZoomOut},
      {17, ZoomReset, ZoomReset, Keep, ZoomReset},
      {30, Keep, HULine, HULine, HULine},
      {43, Orthodontic, Orthodontic, Orthodontic, Orthodontic},
      {50, Meshes, Meshes, Meshes, Meshes},
      {64, Teeth, Teeth, Teeth, Teeth},
      {44, Keep, Keep, Keep, Keep},
      {70, Keep, Keep, Keep, Keep},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "tool " << c.tool);
    EXPECT_EQ(ForTool(QlmView::View3D, c.tool, false, RotateOutside), c.view3D);
    EXPECT_EQ(ForTool(QlmView::Axial, c.tool, false, RotateOutside), c.axial);
    EXPECT_EQ(ForTool(QlmView::Cross, c.tool, false, RotateOutside), c.cross);
    EXPECT_EQ(ForTool(QlmView::Panoramic, c.tool, false, RotateOutside), c.panoramic);
  }
}

TEST(QlmViewCursor, InsertingIntoTheMaxillaShowsTheUpperJawCursorInTheSectionViews) {
  EXPECT_EQ(ForTool(QlmView::Cross, 7, true, RotateInside), InsertImplantUpper);
  EXPECT_EQ(ForTool(QlmView::Panoramic, 74, true, RotateInside), InsertImplantUpper);
  EXPECT_EQ(ForTool(QlmView::Axial, 7, true, RotateInside), InsertImplantAxial);
}

// Radius min(w, h) / 3 about (w / 2, h / 2) in whole pixels; the circle's edge is outside.
TEST(QlmViewCursor, TheRotationCursorDependsOnTheRotationCircle) {
  struct Case {
    int width, height, x, y, entry;
  };
  const Case cases[] = {
      {300, 300, 150, 150, RotateInside}, {300, 300, 249, 150, RotateInside}, {300, 300, 250, 150, RotateOutside},
      {301, 301, 150, 250, RotateInside}, {600, 300, 300, 249, RotateInside}, {600, 300, 401, 150, RotateOutside},
      {0, 0, 0, 0, RotateOutside},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.x << "," << c.y);
    EXPECT_EQ(RotationEntry(c.width, c.height, c.x, c.y), c.entry);
  }
}

}  // namespace
