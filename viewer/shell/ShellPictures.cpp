#include "viewer/shell/ShellPictures.h"

#include <functional>
#include <map>

#include "platform/gui/Application.h"
#include "platform/gui/Colour.h"
#include "platform/gui/ImageSurface.h"
#include "runtime/Strings.h"

namespace Kordex {

namespace {

using Platform::Colour;
using Platform::LineShape;
using Platform::RGB;

const Colour Ink = RGB(40, 44, 52);
const Colour Paper = RGB(252, 252, 248);
const Colour Navy = RGB(16, 52, 110);
const Colour Teal = RGB(0, 128, 140);
const Colour Red = RGB(205, 32, 38);
const Colour Green = RGB(38, 130, 60);
const Colour Amber = RGB(226, 160, 20);
const Colour Grey = RGB(150, 156, 164);
const Colour Title = RGB(70, 110, 180);

// Drawing in a 16 x 16 grid whatever the picture's size.
class Sketch {
 public:
  explicit Sketch(Platform::ImageSurface& s) : s_(s) {}
  void Box(double x1, double y1, double x2, double y2, Colour fill, Colour edge = Ink) {
    s_.Line(x1, y1, x2, y2, fill, LineShape::FilledBox);
    s_.Line(x1, y1, x2, y2, edge, LineShape::Box);
  }
  void Fill(double x1, double y1, double x2, double y2, Colour fill) {
    s_.Line(x1, y1, x2, y2, fill, LineShape::FilledBox);
  }
  // A small window with its title bar.
  void Window(double x1, double y1, double x2, double y2) {
    Box(x1, y1, x2, y2, Paper);
    Fill(x1, y1, x2, y1 + 2, Title);
  }
  void Stroke(double x1, double y1, double x2, double y2, Colour colour, int width = 1) {
    s_.SetDrawWidth(width);
    s_.Line(x1, y1, x2, y2, colour);
    s_.SetDrawWidth(1);
  }
  void Disc(double x, double y, double r, Colour colour) {
    s_.SetFillStyle(Platform::FillStyles::Solid);
    s_.SetFillColor(colour);
    s_.Circle(x, y, r, colour);
    s_.SetFillStyle(Platform::FillStyles::Transparent);
  }
  void Ring(double x, double y, double r, Colour colour, int width = 1) {
    s_.SetDrawWidth(width);
    s_.Circle(x, y, r, colour);
    s_.SetDrawWidth(1);
  }
  void Bars(std::initializer_list<double> heights, Colour colour) {
    double x = 2;
    for (double h : heights) {
      Box(x, 14 - h, x + 2.5, 14, colour);
      x += 3.5;
    }
    Stroke(1, 14, 15, 14, Ink);
  }
  void Page(double x1, double y1, double x2, double y2) {
    Box(x1, y1, x2, y2, Paper);
    for (double y = y1 + 2; y < y2 - 1; y += 2) Stroke(x1 + 1.5, y, x2 - 1.5, y, Grey);
  }

 private:
  Platform::ImageSurface& s_;
};

using Recipe = std::function<void(Sketch&)>;

const std::map<std::string, Recipe>& Recipes() {
  static const std::map<std::string, Recipe> recipes = {
      {"CLOSE",
       [](Sketch& k) {
         k.Window(1, 2, 15, 14);
         k.Stroke(5, 6, 11, 12, Red, 2);
         k.Stroke(11, 6, 5, 12, Red, 2);
       }},
      {"SAVE",
       [](Sketch& k) {
         k.Box(2, 2, 14, 14, Navy);
         k.Fill(4, 3, 12, 7, Paper);
         k.Box(5, 9, 11, 14, Grey);
       }},
      {"PRINT",
       [](Sketch& k) {
         k.Page(4, 1, 12, 7);
         k.Box(1, 6, 15, 12, Grey);
         k.Page(4, 10, 12, 15);
       }},
      {"COPY",
       [](Sketch& k) {
         k.Page(1, 1, 10, 11);
         k.Page(6, 5, 15, 15);
       }},
      {"CUT",
       [](Sketch& k) {
         k.Stroke(5, 1, 10, 10, Ink, 2);
         k.Stroke(11, 1, 6, 10, Ink, 2);
         k.Ring(5, 12, 2.5, Red, 2);
         k.Ring(11, 12, 2.5, Red, 2);
       }},
      {"PASTE",
       [](Sketch& k) {
         k.Box(2, 2, 12, 15, Amber);
         k.Box(5, 1, 9, 3, Grey);
         k.Page(7, 6, 15, 15);
       }},
      {"CASCADE",
       [](Sketch& k) {
         k.Window(1, 1, 10, 8);
         k.Window(3, 4, 12, 11);
         k.Window(5, 7, 15, 15);
       }},
      {"TILEHORIZONTAL",
       [](Sketch& k) {
         k.Window(1, 1, 15, 7);
         k.Window(1, 9, 15, 15);
       }},
      {"TILEVERTICAL",
       [](Sketch& k) {
         k.Window(1, 1, 7, 15);
         k.Window(9, 1, 15, 15);
       }},
      {"MINIMISEALL",
       [](Sketch& k) {
         k.Window(1, 12, 7, 15);
         k.Window(9, 12, 15, 15);
         k.Stroke(8, 2, 8, 9, Navy, 2);
         k.Stroke(5, 6, 8, 9, Navy, 2);
         k.Stroke(11, 6, 8, 9, Navy, 2);
       }},
      {"MAXIMISEALL",
       [](Sketch& k) {
         k.Window(1, 1, 15, 15);
         k.Stroke(8, 12, 8, 5, Navy, 2);
         k.Stroke(5, 8, 8, 5, Navy, 2);
         k.Stroke(11, 8, 8, 5, Navy, 2);
       }},
      {"ARRANGEICONS",
       [](Sketch& k) {
         for (double x : {1.0, 6.0, 11.0}) {
           k.Box(x, 11, x + 4, 15, Title);
           k.Box(x, 5, x + 4, 9, Title);
         }
       }},
      {"CREATETABLE",
       [](Sketch& k) {
         k.Box(1, 2, 15, 14, Paper);
         k.Fill(1, 2, 15, 5, Teal);
         for (double y : {8.0, 11.0}) k.Stroke(1, y, 15, y, Grey);
         for (double x : {6.0, 10.0}) k.Stroke(x, 2, x, 14, Grey);
       }},
      {"MANUALUPDATE",
       [](Sketch& k) {
         k.Ring(8, 8, 5.5, Green, 2);
         k.Fill(9, 1, 15, 7, Platform::RGB(236, 236, 236));
         k.Stroke(10, 2, 14, 3, Green, 2);
         k.Stroke(14, 3, 13, 7, Green, 2);
       }},
      {"COMPWAST",
       [](Sketch& k) {
         k.Bars({11, 7, 4, 2}, Red);
       }},
      {"COMPWASTSELECT",
       [](Sketch& k) {
         k.Bars({11, 7, 4, 2}, Red);
         k.Stroke(3, 3, 13, 11, Navy, 2);
       }},
      {"PRODUCTIVITY",
       [](Sketch& k) {
         k.Bars({3, 5, 8, 11}, Teal);
         k.Stroke(2, 9, 14, 1, Navy, 2);
       }},
      {"EFFICIENCY",
       [](Sketch& k) {
         k.Ring(8, 10, 6, Ink);
         k.Fill(1, 10.5, 15, 16, Platform::RGB(236, 236, 236));
         k.Stroke(2, 10, 14, 10, Ink);
         k.Stroke(8, 10, 12, 5, Red, 2);
         k.Disc(8, 10, 1.2, Ink);
       }},
      {"BOARDCOUNT",
       [](Sketch& k) {
         k.Box(1, 3, 15, 13, Green);
         k.Box(3, 5, 7, 9, Ink, Ink);
         k.Box(9, 6, 13, 8, Amber, Ink);
         k.Box(9, 10, 12, 11, Amber, Ink);
       }},
      {"BOARDCOUNTSELECT",
       [](Sketch& k) {
         k.Box(1, 3, 15, 13, Green);
         k.Box(3, 5, 7, 9, Ink, Ink);
         k.Stroke(9, 12, 14, 5, Paper, 2);
       }},
      {"COMPSPERHOUR",
       [](Sketch& k) {
         k.Disc(8, 8, 6.5, Paper);
         k.Ring(8, 8, 6.5, Navy, 2);
         k.Stroke(8, 8, 8, 3.5, Ink, 2);
         k.Stroke(8, 8, 11, 10, Ink, 2);
       }},
      {"PRODUCTIONLINE",
       [](Sketch& k) {
         k.Stroke(1, 13, 15, 13, Ink, 2);
         k.Box(1, 6, 5, 12, Teal);
         k.Box(6, 4, 10, 12, Navy);
         k.Box(11, 7, 15, 12, Teal);
       }},
      {"COG",
       [](Sketch& k) {
         for (int i = 0; i < 4; ++i) {
           const double d[4][4] = {{8, 1, 8, 15}, {1, 8, 15, 8}, {3, 3, 13, 13}, {13, 3, 3, 13}};
           k.Stroke(d[i][0], d[i][1], d[i][2], d[i][3], Grey, 3);
         }
         k.Disc(8, 8, 5, Grey);
         k.Disc(8, 8, 2, Paper);
       }},
      {"CLOCK",
       [](Sketch& k) {
         k.Disc(8, 8, 7, Paper);
         k.Ring(8, 8, 7, Navy, 2);
         for (double a : {2.0, 14.0}) k.Stroke(8, a, 8, a + (a < 8 ? 1 : -1), Ink);
         k.Stroke(8, 8, 8, 3, Ink, 2);
         k.Stroke(8, 8, 12, 9, Red, 1);
       }},
      {"TRASH",
       [](Sketch& k) {
         k.Box(3, 4, 13, 15, Grey);
         k.Fill(2, 2, 14, 4, Ink);
         k.Fill(6, 1, 10, 2, Ink);
         for (double x : {6.0, 8.0, 10.0}) k.Stroke(x, 6, x, 13, Ink);
       }},
      {"IC",
       [](Sketch& k) {
         for (double y = 3; y <= 13; y += 2.5) {
           k.Stroke(1, y, 4, y, Grey, 1);
           k.Stroke(12, y, 15, y, Grey, 1);
         }
         k.Box(4, 2, 12, 14, Ink, Ink);
         k.Disc(6, 4, 0.8, Grey);
       }},
      {"COUNTER",
       [](Sketch& k) {
         k.Box(1, 4, 15, 12, Ink, Ink);
         for (double x : {2.5, 7.0, 11.5}) k.Box(x, 5.5, x + 3, 10.5, Paper, Paper);
         k.Stroke(4, 6.5, 4, 9.5, Red, 1);
         k.Stroke(8.5, 6.5, 8.5, 9.5, Red, 1);
         k.Stroke(13, 6.5, 13, 9.5, Red, 1);
       }},
      {"VIEWER",
       [](Sketch& k) {
         k.Box(0, 0, 15, 15, Navy, Navy);
         k.Fill(2, 9, 4.5, 14, Teal);
         k.Fill(6, 6, 8.5, 14, Teal);
         k.Fill(10, 3, 12.5, 14, Paper);
         k.Stroke(1, 11, 14, 2, Red, 2);
       }},
  };
  return recipes;
}

Platform::Picture Draw(const Recipe& recipe, int pixels) {
  Platform::EnsureApplication();
  Platform::ImageSurface surface(pixels, pixels);
  surface.SetBackColor(Platform::RGB(236, 236, 236));
  surface.Cls();
  surface.Scale(0, 0, 16, 16);
  Sketch sketch(surface);
  recipe(sketch);
  return surface.Image();
}

}  // namespace

Platform::Picture ShellPicture(const std::string& Key) {
  static std::map<std::string, Platform::Picture> drawn;
  const std::string key = Runtime::UCase(Key);
  if (auto found = drawn.find(key); found != drawn.end()) return found->second;
  const auto& recipes = Recipes();
  const auto recipe = recipes.find(key);
  if (recipe == recipes.end()) return {};
  // Shortcut icons and the window icon are drawn larger.
  const bool large = key == "COG" || key == "CLOCK" || key == "TRASH" || key == "IC" ||
                     key == "COUNTER" || key == "VIEWER";
  return drawn.emplace(key, Draw(recipe->second, large ? 32 : 16)).first->second;
}

}  // namespace Kordex
