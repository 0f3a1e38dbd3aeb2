// The drawings a child opens first: exact black on exact white, in the sizes
// promised, and every shape closed so one bucket click fills one region.
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

#include "platform/bmp.h"
#include "platform/folders.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace pz {
namespace {

const QString kBmps = QStringLiteral(PINZ_PROGRAM_DIR "/bmps");
const QString kSeeds = QStringLiteral(PINZ_BIN_DIR "/drawing-seeds");

// Labels the 4-connected white regions, as the bucket fills them.
struct Regions {
  // Two passes over the rows joining each paper pixel to its left and upper
  // neighbours: quick enough to run over every shipped drawing.
  explicit Regions(const Surface& s) : w(s.width()), h(s.height()), label(std::size_t(w) * h, -1) {
    std::vector<int> parent;
    auto root = [&](int a) {
      while (parent[std::size_t(a)] != a) a = parent[std::size_t(a)] = parent[std::size_t(parent[std::size_t(a)])];
      return a;
    };
    for (int y = 0; y < h; ++y) {
      const std::uint32_t* row = s.row(y);
      for (int x = 0; x < w; ++x) {
        if (fromRaw(row[x]) != kWhite) continue;
        const std::size_t i = std::size_t(y) * w + x;
        const int left = x > 0 ? label[i - 1] : -1, up = y > 0 ? label[i - std::size_t(w)] : -1;
        if (left < 0 && up < 0) {
          label[i] = int(parent.size());
          parent.push_back(label[i]);
        } else if (left >= 0 && up >= 0) {
          const int a = root(left), b = root(up);
          parent[std::size_t(std::max(a, b))] = std::min(a, b);
          label[i] = left;
        } else {
          label[i] = std::max(left, up);
        }
      }
    }
    std::vector<int> id(parent.size(), -1);
    for (std::size_t i = 0; i < label.size(); ++i) {
      if (label[i] < 0) continue;
      const int r = root(label[i]);
      if (id[std::size_t(r)] < 0) {
        id[std::size_t(r)] = int(size.size());
        size.push_back(0);
        touchesEdge.push_back(false);
      }
      const int k = label[i] = id[std::size_t(r)];
      ++size[std::size_t(k)];
      const int x = int(i % std::size_t(w)), y = int(i / std::size_t(w));
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) touchesEdge[std::size_t(k)] = true;
    }
  }
  int at(int x, int y) const { return label[std::size_t(y) * w + x]; }
  int w, h;
  std::vector<int> label, size;
  std::vector<bool> touchesEdge;
};

QStringList drawings() { return listFolder(kBmps, "bmp"); }

// The level a drawing's name announces to the grown-up choosing it.
enum class Level { Easy, Middle, Detailed };
Level levelOf(const QString& file) {
  if (file.endsWith(" (easy).bmp")) return Level::Easy;
  if (file.endsWith(" (detailed).bmp")) return Level::Detailed;
  return Level::Middle;
}

TEST(Drawings, AtLeastThirtySixInThreeLevelsAndThePromisedSizes) {
  const QStringList names = drawings();
  ASSERT_GE(names.size(), 36);
  int levels[3] = {0, 0, 0};
  for (const QString& n : names) ++levels[int(levelOf(n))];
  EXPECT_GE(levels[int(Level::Easy)], 10);
  EXPECT_GE(levels[int(Level::Middle)], 12);
  EXPECT_GE(levels[int(Level::Detailed)], 10);
  int square = 0, portrait = 0, large = 0;
  for (const QString& n : names) {
    auto s = readBmp(kBmps + "/" + n);
    ASSERT_TRUE(s) << n.toStdString();
    if (s->width() == 800 && s->height() == 800) ++square;
    if (s->width() == 600 && s->height() == 800) ++portrait;
    if (s->width() == 1200 && s->height() == 900) ++large;
  }
  EXPECT_GT(square, names.size() / 2);
  EXPECT_GE(portrait, 2);
  EXPECT_EQ(large, 1);
  for (const char* subject : {"cat", "dog", "fish", "owl", "dinosaur", "butterfly", "house", "castle", "car",
                              "rocket in space", "flowers", "mandala", "dragon", "birthday cake", "robot"})
    EXPECT_TRUE(names.contains(QString::fromLatin1(subject) + ".bmp")) << subject;
}

class EachDrawing : public ::testing::TestWithParam<QString> {};

TEST_P(EachDrawing, OnlyExactBlackAndWhite) {
  auto s = readBmp(kBmps + "/" + GetParam());
  ASSERT_TRUE(s);
  long black = 0;
  for (int y = 0; y < s->height(); ++y)
    for (int x = 0; x < s->width(); ++x) {
      const Color c = s->pixel(x, y);
      ASSERT_TRUE(c == kBlack || c == kWhite) << x << "," << y;
      black += c == kBlack;
    }
  EXPECT_GT(black, 5000) << "a drawing has lines";
  EXPECT_LT(black, long(s->width()) * s->height() / 8) << "and mostly paper";
}

TEST_P(EachDrawing, AFillFromInsideAShapeNeverReachesTheEdgeOfThePaper) {
  auto s = readBmp(kBmps + "/" + GetParam());
  ASSERT_TRUE(s);
  const Regions regions(*s);
  const int w = s->width(), h = s->height();
  QFile f(kSeeds + "/" + QString(GetParam()).replace(".bmp", ".txt"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
  int checked = 0;
  for (const QByteArray& line : f.readAll().split('\n')) {
    const QList<QByteArray> xy = line.split(' ');
    if (xy.size() != 2) continue;
    const int x = xy[0].toInt(), y = xy[1].toInt();
    if (x < 0 || y < 0 || x >= w || y >= h) {
      ADD_FAILURE() << "a shape runs off the paper at " << x << "," << y;
      continue;
    }
    const int id = regions.at(x, y);
    if (id < 0) continue;  // a later line runs over this point
    ++checked;
    EXPECT_FALSE(regions.touchesEdge[std::size_t(id)]) << "leak from " << x << "," << y;
  }
  EXPECT_GE(checked, levelOf(GetParam()) == Level::Easy ? 2 : 10);
  // Many closed regions to colour, and no specks too small to see or hit.
  int enclosed = 0, smallest = w * h;
  long smallestAt = 0;
  for (std::size_t i = 0; i < regions.size.size(); ++i) {
    if (regions.touchesEdge[i]) continue;
    ++enclosed;
    if (regions.size[i] < smallest) {
      smallest = regions.size[i];
      smallestAt = long(std::find(regions.label.begin(), regions.label.end(), int(i)) - regions.label.begin());
    }
    if (regions.size[i] < 20) {
      const auto it = std::find(regions.label.begin(), regions.label.end(), int(i));
      const long at = long(it - regions.label.begin());
      ADD_FAILURE() << "a speck of " << regions.size[i] << " pixels at " << at % regions.w << ","
                    << at / regions.w;
    }
  }
  switch (levelOf(GetParam())) {
    case Level::Easy:
      // Big shapes a small hand can hit.
      EXPECT_GE(enclosed, 4);
      EXPECT_LE(enclosed, 45);
      EXPECT_GE(smallest, 150) << "at " << smallestAt % w << "," << smallestAt / w;
      break;
    case Level::Middle:
      EXPECT_GE(enclosed, 15);
      break;
    case Level::Detailed:
      EXPECT_GE(enclosed, 90);
      break;
  }
}

TEST_P(EachDrawing, TheBucketFillsEachShapeAlone) {
  // Two shapes whose insides share one region would both fill at one click:
  // a gap in a line between them.
  auto s = readBmp(kBmps + "/" + GetParam());
  ASSERT_TRUE(s);
  const Regions regions(*s);
  QFile f(kSeeds + "/" + QString(GetParam()).replace(".bmp", ".txt"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
  std::vector<int> owner(regions.size.size(), -1);
  int n = 0;
  for (const QByteArray& line : f.readAll().split('\n')) {
    const QList<QByteArray> xy = line.split(' ');
    if (xy.size() != 2) continue;
    const int x = xy[0].toInt(), y = xy[1].toInt();
    ++n;
    if (x < 0 || y < 0 || x >= regions.w || y >= regions.h) continue;
    const int id = regions.at(x, y);
    if (id < 0) continue;
    const int before = owner[std::size_t(id)];
    if (before >= 0)
      ADD_FAILURE() << "shape " << n << " at " << x << "," << y << " fills together with shape " << before;
    else
      owner[std::size_t(id)] = n;
  }
}

INSTANTIATE_TEST_SUITE_P(Shipped, EachDrawing, ::testing::ValuesIn(drawings()), [](const auto& info) {
  QString n = info.param;
  n.chop(4);
  for (QChar& c : n)
    if (!c.isLetterOrNumber()) c = '_';
  return n.toStdString();
});

}  // namespace
}  // namespace pz
