// The length of curve the engine holds under each identity of an input curve, for telling
// whether a division placed every input curve once: split parts add up to the curve they came
// from, a dropped part leaves its curve short and a doubled one makes it long.
#pragma once

#include <cstdint>
#include <unordered_map>

class IRIBaseGeoObject;
class RISketchManager;

// A line's length, an arc's length along the sweep through its middle point (a full circle's
// whole turn), whichever way it runs.
double curveLength(const IRIBaseGeoObject& curve);

class RISketchCurveTally {
 public:
  // Adds the curve's length under its identity; curves without one share the entry of
  // IRIBaseGeoObject::noSource.
  void add(const IRIBaseGeoObject& curve);
  void clear() { entries.clear(); }

  // Whether every identity holds as much length here as in other, within the tolerance for
  // each part and the rounding of the coordinates.
  bool matches(const RISketchCurveTally& other, double tolerance) const;
  // Whether every curve of the manager (each an identity of its own) is held here once, in
  // whole: its parts add up to its length, a part no longer than the curve's tolerance may be
  // missing. A curve of which nothing is held counts as held when an equal curve of the
  // manager is: a loop drops the later of two equal curves.
  bool placesEvery(RISketchManager& inputs) const;

 private:
  struct entryS {
    double length = 0.0;
    // The largest coordinate size met, which bounds the rounding of a split.
    double extent = 0.0;
    uint32_t parts = 0;
  };

  static bool lengthsAgree(const entryS& expected, const entryS& held, double tolerance);
  const entryS* find(int32_t identity) const;

  std::unordered_map<int32_t, entryS> entries;
};
