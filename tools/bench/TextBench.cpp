// The editor's nine labels drawn per frame through the glyph path with a
// warm cache, centred in their boxes, in stand-in glyphs sized like a
// 12-pixel "Arial": the library against the same masks composed by the
// plain per-pixel model of the tests.

#include "LICE_CachedFont.h"
#include "LICE_SysBitmap.h"
#include "RasterModel.h"
#include "StandInGlyphs.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
constexpr int kFormat = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_CENTER;

struct Label
{
  const char* text;
  LiceRect box;
  PixelArgb colour;
};

// One glyph as the layout placed it.
struct Placed
{
  const unsigned char* mask;
  int width, height, x, y;
  PixelArgb colour;
};

struct Labels
{
  LiceStandInFont standIn;
  LICE_CachedFont font;
  LICE_SysBitmap surface{500, 230};
  std::vector<Label> labels;

  Labels()
  {
    UseRule(standIn, 12);
    font.AdoptSystemFont(StandInFontHandle(&standIn), FontOwnsHandle | FontNativeDraw);
    const char* bands[] = {"4K", "5K", "6K", "7K", "8K", "9K", "10K", "HF"};
    for (int i = 0; i < 8; ++i)
      labels.push_back({bands[i], {135 + 30 * i, 88, 155 + 30 * i, 104}, 0xFFFFFFFF});
    labels.push_back({"v1.3.1", {260, 177, 280, 189}, 0xFFD2D2D2});
    Draw();  // warms the cache
  }

  void Draw()
  {
    for (Label& label : labels)
    {
      font.ExchangeTextColor(label.colour);
      LiceRect box = label.box;
      font.DrawTextInto(&surface, label.text, -1, &box, kFormat);
    }
  }

  // Where the layout puts each glyph: centred by the measured size, then
  // advance by advance.
  std::vector<Placed> Placements()
  {
    std::vector<Placed> placed;
    for (Label& label : labels)
    {
      LiceRect size = {0, 0, 0, 0};
      font.DrawTextInto(nullptr, label.text, -1, &size, DT_CALCRECT | DT_SINGLELINE);
      int x = label.box.left + (label.box.right - size.right - label.box.left) / 2;
      const int y = label.box.top + (label.box.bottom - size.bottom - label.box.top) / 2;
      for (const char* c = label.text; *c; ++c)
      {
        const GlyphEntry* entry = font.FindGlyph(static_cast<std::uint16_t>(*c));
        if (const unsigned char* mask = font.GlyphMask(entry))
          placed.push_back({mask, entry->width, entry->height, x, y, label.colour});
        x += entry->advance;
      }
    }
    return placed;
  }
};

void BM_LabelsLibrary(benchmark::State& state)
{
  Labels labels;
  for (auto _ : state)
  {
    labels.Draw();
    benchmark::DoNotOptimize(labels.surface.PixelData());
  }
}

void BM_LabelsPerPixelModel(benchmark::State& state)
{
  Labels labels;
  const std::vector<Placed> placed = labels.Placements();
  for (auto _ : state)
  {
    for (const Placed& p : placed)
      model::DrawGlyph(&labels.surface, p.mask, p.width, p.height, p.x, p.y, nullptr,
                       {model::kPlain, p.colour, 0, 0, 1, 1.0f, CombineCopy});
    benchmark::DoNotOptimize(labels.surface.PixelData());
  }
}
}

BENCHMARK(BM_LabelsLibrary)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LabelsPerPixelModel)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
