#pragma once

#include <QRect>
#include <vector>

namespace quillane {

// Parts of the screen a window must leave free (the program's command
// buttons, an open dialog's buttons), and parts it had better leave free
// where there is room (the rest of an open dialog), in screen coordinates.
// Empty rectangles keep nothing free and are not kept.
class ScreenAreas {
 public:
  ScreenAreas() = default;
  // One area, or none for an empty rectangle.
  ScreenAreas(const QRect& area) { Add(area); }  // NOLINT: a rectangle is one area

  void Add(const QRect& area) {
    if (!area.isEmpty()) areas_.push_back(area);
  }
  void Add(const ScreenAreas& others) {
    for (const QRect& area : others.areas_) areas_.push_back(area);
    for (const QRect& area : others.rather_) rather_.push_back(area);
  }
  // An area better left free, where the screen has room for that.
  void AddRather(const QRect& area) {
    if (!area.isEmpty()) rather_.push_back(area);
  }

  // The areas that must stay free.
  const std::vector<QRect>& rects() const { return areas_; }
  const std::vector<QRect>& ratherFree() const { return rather_; }
  // These areas with the ones better left free, as areas that must.
  ScreenAreas AllMust() const {
    ScreenAreas all = *this;
    for (const QRect& area : rather_) all.areas_.push_back(area);
    all.rather_.clear();
    return all;
  }
  bool isEmpty() const { return areas_.empty() && rather_.empty(); }
  bool Intersects(const QRect& rect) const {
    for (const QRect& area : areas_) {
      if (area.intersects(rect)) return true;
    }
    return false;
  }
  // True when one of the areas holds all of `rect`.
  bool Holds(const QRect& rect) const {
    for (const QRect& area : areas_) {
      if (area.contains(rect)) return true;
    }
    return false;
  }

  bool operator==(const ScreenAreas&) const = default;

 private:
  std::vector<QRect> areas_;
  std::vector<QRect> rather_;
};

}  // namespace quillane
