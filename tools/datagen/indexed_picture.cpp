#include "tools/datagen/indexed_picture.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

namespace {

constexpr PaletteColour KeyColour{255, 0, 255};
constexpr int FreeEntries = 253;
constexpr int RefinePasses = 4;

struct Entry {
  std::array<int, 3> channel;
  double weight;
};

struct Box {
  size_t begin, end;
};

uint32_t Pack(const std::array<int, 3>& c) { return (c[0] << 16) | (c[1] << 8) | c[2]; }

std::array<int, 3> Rounded(Colour c) {
  const Colour k = Clamped(c);
  return {static_cast<int>(std::lround(k.r)), static_cast<int>(std::lround(k.g)), static_cast<int>(std::lround(k.b))};
}

// Green counts most, blue least, roughly as the eye does.
double Distance(const std::array<double, 3>& a, const std::array<int, 3>& b) {
  const double dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
  return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

// Every distinct painted colour, weighted by the square root of its pixel
// count so that small sprites keep their shades next to large areas.
std::vector<Entry> Histogram(const std::vector<const Canvas*>& canvases) {
  std::map<uint32_t, double> counts;
  for (const Canvas* canvas : canvases)
    for (int y = 0; y < canvas->Height(); ++y)
      for (int x = 0; x < canvas->Width(); ++x)
        if (canvas->Opaque(x, y)) counts[Pack(Rounded(canvas->At(x, y)))] += 1;
  std::vector<Entry> entries;
  for (const auto& [packed, count] : counts) {
    entries.push_back({{static_cast<int>(packed >> 16), static_cast<int>((packed >> 8) & 255),
                        static_cast<int>(packed & 255)},
                       std::sqrt(count)});
  }
  return entries;
}

int WidestChannel(const std::vector<Entry>& entries, Box box, int& range) {
  int widest = 0;
  range = -1;
  for (int ch = 0; ch < 3; ++ch) {
    int lo = 255, hi = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
      lo = std::min(lo, entries[i].channel[ch]);
      hi = std::max(hi, entries[i].channel[ch]);
    }
    if (hi - lo > range) range = hi - lo, widest = ch;
  }
  return widest;
}

double Weight(const std::vector<Entry>& entries, Box box) {
  double sum = 0;
  for (size_t i = box.begin; i < box.end; ++i) sum += entries[i].weight;
  return sum;
}

std::vector<Box> MedianCut(std::vector<Entry>& entries) {
  std::vector<Box> boxes = {{0, entries.size()}};
  while (static_cast<int>(boxes.size()) < FreeEntries) {
    int best = -1, bestChannel = 0;
    double bestScore = 0;
    for (size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].end - boxes[b].begin < 2) continue;
      int range = 0;
      const int channel = WidestChannel(entries, boxes[b], range);
      const double score = range * std::sqrt(Weight(entries, boxes[b]));
      if (range > 0 && score > bestScore) bestScore = score, best = static_cast<int>(b), bestChannel = channel;
    }
    if (best < 0) break;
    Box& box = boxes[best];
    std::sort(entries.begin() + box.begin, entries.begin() + box.end, [bestChannel](const Entry& a, const Entry& b) {
      if (a.channel[bestChannel] != b.channel[bestChannel]) return a.channel[bestChannel] < b.channel[bestChannel];
      return Pack(a.channel) < Pack(b.channel);
    });
    const double half = Weight(entries, box) / 2;
    double running = 0;
    size_t split = box.begin + 1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
      running += entries[i].weight;
      split = i + 1;
      if (running >= half) break;
    }
    const Box upper{split, box.end};
    box.end = split;
    boxes.push_back(upper);
  }
  return boxes;
}

std::vector<std::array<double, 3>> Refine(const std::vector<Entry>& entries, std::vector<std::array<double, 3>> centres) {
  for (int pass = 0; pass < RefinePasses; ++pass) {
    std::vector<std::array<double, 4>> sums(centres.size(), {0, 0, 0, 0});
    for (const Entry& e : entries) {
      size_t nearest = 0;
      double best = 1e18;
      for (size_t c = 0; c < centres.size(); ++c) {
        const double d = Distance(centres[c], e.channel);
        if (d < best) best = d, nearest = c;
      }
      for (int ch = 0; ch < 3; ++ch) sums[nearest][ch] += e.channel[ch] * e.weight;
      sums[nearest][3] += e.weight;
    }
    for (size_t c = 0; c < centres.size(); ++c)
      if (sums[c][3] > 0)
        for (int ch = 0; ch < 3; ++ch) centres[c][ch] = sums[c][ch] / sums[c][3];
  }
  return centres;
}

}  // namespace

Palette BuildSharedPalette(const std::vector<const Canvas*>& canvases) {
  std::vector<Entry> entries = Histogram(canvases);
  std::vector<std::array<double, 3>> centres;
  for (const Box& box : MedianCut(entries)) {
    std::array<double, 3> mean{0, 0, 0};
    const double weight = Weight(entries, box);
    for (size_t i = box.begin; i < box.end; ++i)
      for (int ch = 0; ch < 3; ++ch) mean[ch] += entries[i].channel[ch] * entries[i].weight / weight;
    centres.push_back(mean);
  }
  centres = Refine(entries, centres);
  std::sort(centres.begin(), centres.end(), [](const auto& a, const auto& b) {
    const double la = 0.3 * a[0] + 0.59 * a[1] + 0.11 * a[2], lb = 0.3 * b[0] + 0.59 * b[1] + 0.11 * b[2];
    if (la != lb) return la < lb;
    return a < b;
  });

  Palette palette{};
  palette[KeyIndex] = KeyColour;
  palette[255] = {255, 255, 255};
  int next = 1;
  for (const auto& c : centres) {
    if (next == KeyIndex) ++next;
    palette[next++] = {static_cast<uint8_t>(std::lround(c[0])), static_cast<uint8_t>(std::lround(c[1])),
                       static_cast<uint8_t>(std::lround(c[2]))};
  }
  return palette;
}

IndexedPicture ToIndexed(const Canvas& canvas, const Palette& palette) {
  IndexedPicture picture{canvas.Width(), canvas.Height(),
                         std::vector<uint8_t>(static_cast<size_t>(canvas.Width()) * canvas.Height(), KeyIndex)};
  std::unordered_map<uint32_t, uint8_t> nearestOf;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (!canvas.Opaque(x, y)) continue;
      const std::array<int, 3> c = Rounded(canvas.At(x, y));
      auto [found, fresh] = nearestOf.try_emplace(Pack(c), 0);
      if (fresh) {
        double best = 1e18;
        for (int i = 0; i < 256; ++i) {
          if (i == KeyIndex) continue;
          const double d = Distance({double(palette[i].r), double(palette[i].g), double(palette[i].b)}, c);
          if (d < best) best = d, found->second = static_cast<uint8_t>(i);
        }
      }
      picture.pixels[static_cast<size_t>(y) * picture.width + x] = found->second;
    }
  }
  return picture;
}
