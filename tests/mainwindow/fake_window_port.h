#pragma once
// A window for the session's tests: it has a state, a size and a place, records what the
// session asks of it, and takes the sizes it is given.

#include <optional>
#include <vector>

#include "mainwindow/main_session.h"

namespace pelmira::testing {

class FakeWindowPort : public WindowPort {
 public:
  WindowState window_state() const override { return state; }
  int window_width() const override { return width; }
  int window_height() const override { return height; }
  int window_left() const override { return left; }
  int window_top() const override { return top; }
  int screen_vertical_pixels() const override { return screen_pixels; }
  void move_window(int new_left, int new_top) override {
    left = new_left;
    top = new_top;
    ++moves;
  }
  void resize_window(std::optional<int> new_width, std::optional<int> new_height) override {
    width = new_width.value_or(width);
    height = new_height.value_or(height);
    ++resizes;
  }
  void show_normal() override { state = WindowState::kNormal; }
  void place_panels(const LayoutPlan& plan) override { plans.push_back(plan); }
  void request_close() override { ++close_requests; }
  void set_busy(bool busy) override { busy_calls.push_back(busy); }
  bool start_program(const std::string& path, const std::string& folder) override {
    started.emplace_back(path, folder);
    return true;
  }

  WindowState state = WindowState::kNormal;
  int width = 6000;
  int height = 6000;
  int left = 0;
  int top = 0;
  int screen_pixels = 1024;
  int moves = 0;
  int resizes = 0;
  int close_requests = 0;
  std::vector<LayoutPlan> plans;
  std::vector<bool> busy_calls;
  std::vector<std::pair<std::string, std::string>> started;  // program and folder
};

}  // namespace pelmira::testing
