#pragma once

#include <algorithm>
#include <iterator>
#include <vector>

namespace kestrava::search {

// Points no other point beats in both coordinates (lower is better), sorted by 'x' ascending and
// so by 'y' descending; of equal points the first added stays.
template <class Point>
class ParetoFront {
  public:
    // Adds 'point' unless a kept point dominates or equals it; drops the points it dominates.
    void Add(const Point& point) {
        auto at = std::lower_bound(points_.begin(), points_.end(), point,
                                   [](const Point& a, const Point& b) { return a.x < b.x; });
        if (at != points_.begin() && std::prev(at)->y <= point.y) return;
        if (at != points_.end() && at->x == point.x && at->y <= point.y) return;
        auto dominatedEnd = at;
        while (dominatedEnd != points_.end() && dominatedEnd->y >= point.y) ++dominatedEnd;
        at = points_.erase(at, dominatedEnd);
        points_.insert(at, point);
    }

    void Merge(const ParetoFront& other) {
        for (const Point& point : other.points_) Add(point);
    }

    const std::vector<Point>& Points() const { return points_; }

  private:
    std::vector<Point> points_;
};

}  // namespace kestrava::search
