#include "scene/mipmap_levels.h"

#include <emmintrin.h>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <optional>
#include <span>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// A picture's pixels have three channels; a level's have an opaque alpha byte besides.
constexpr size_t kChannels = 3;
constexpr size_t kLevelPixelBytes = 4;
constexpr uint32_t kOpaque = 0xFF000000;  // a level pixel's alpha, read as a little-endian word

// Where one output column (or row) starts and ends in the input: a whole pixel and the
// fraction of it covered. GLU steps these in float from one output pixel to the next; they are
// stepped here the same way, once per picture, so that they round the same.
struct Span {
    int32_t low = 0;
    float lowPart = 0;
    int32_t high = 0;
    float highPart = 0;
};

// `clampHigh`: rows never end past the last input row (GLU clamps its rows, not its columns,
// and carries the clamped row on to the next step).
std::vector<Span> stepSpans(int32_t in, int32_t out, bool clampHigh) {
    const float step = static_cast<float>(in) / static_cast<float>(out);
    const auto stepWhole = static_cast<int32_t>(std::floor(step));
    const float stepPart = step - static_cast<float>(stepWhole);
    std::vector<Span> spans(static_cast<size_t>(out));
    Span span{0, 0, stepWhole, stepPart};
    for (Span& each : spans) {
        if (clampHigh && span.high >= in) {
            span.high = in - 1;
        }
        each = span;
        span.low = span.high;
        span.lowPart = span.highPart;
        span.high += stepWhole;
        span.highPart += stepPart;
        if (span.highPart > 1) {
            span.highPart -= 1.0f;
            ++span.high;
        }
    }
    return spans;
}

// Input rows as floats, converted once each rather than once for every output pixel that
// reads them, in the rows' own channel order. GLU reads its rows as one run of bytes, so a
// column past a row's right edge is the next row's start: each converted row carries
// `overhang` pixels of the rows after it (black past the picture's end, where GLU's weight is
// nothing in practice). Output rows read input rows in rising order, so a few rows kept
// round-robin are all there is to hold.
class FloatRows {
public:
    FloatRows(const RgbRows& picture, int32_t rowsHeld, int32_t overhang)
        : picture_(picture),
          overhang_(overhang),
          length_(static_cast<size_t>(picture.width + overhang) * kChannels + 1),
          rows_(static_cast<size_t>(rowsHeld) * length_),
          heldRow_(static_cast<size_t>(rowsHeld), -1) {}

    // Pixel x of `row` (x up to the row's width plus the overhang), its three channels, and
    // one float more that is read but never used.
    const float* row(int32_t row) {
        const size_t slot = static_cast<size_t>(row) % heldRow_.size();
        float* floats = &rows_[slot * length_];
        if (heldRow_[slot] != row) {
            heldRow_[slot] = row;
            const uint8_t* bytes = picture_.pixel(0, row);
            const size_t rowBytes = static_cast<size_t>(picture_.width) * kChannels;
            for (size_t i = 0; i < rowBytes; ++i) {
                floats[i] = static_cast<float>(bytes[i]);
            }
            float* past = floats + rowBytes;
            for (int32_t i = 0; i < overhang_; ++i, past += kChannels) {
                const int32_t next = row + 1 + i / picture_.width;
                const uint8_t* pixel =
                    next < picture_.height ? picture_.pixel(i % picture_.width, next) : nullptr;
                for (size_t channel = 0; channel < kChannels; ++channel) {
                    past[channel] = pixel != nullptr ? static_cast<float>(pixel[channel]) : 0.0f;
                }
            }
            *past = 0.0f;
        }
        return floats;
    }

private:
    const RgbRows& picture_;
    int32_t overhang_;
    size_t length_;
    std::vector<float> rows_;
    std::vector<int32_t> heldRow_;
};

// Each channel's running sum. The channels are summed side by side in one vector of four
// floats, the fourth never used; each lane rounds as GLU's one float does.
struct Totals {
    __m128 lanes = _mm_setzero_ps();

    void add(const float* pixel, float weight) {
        lanes = _mm_add_ps(lanes, _mm_mul_ps(_mm_loadu_ps(pixel), _mm_set1_ps(weight)));
    }
    void addWhole(const float* pixel) { lanes = _mm_add_ps(lanes, _mm_loadu_ps(pixel)); }
    void addPair(const float* left, float leftWeight, const float* right, float rightWeight) {
        lanes = _mm_add_ps(lanes,
                           _mm_add_ps(_mm_mul_ps(_mm_loadu_ps(left), _mm_set1_ps(leftWeight)),
                                      _mm_mul_ps(_mm_loadu_ps(right), _mm_set1_ps(rightWeight))));
    }
};

// One output pixel: the input under the box from (x.low, y.low) to (x.high, y.high), each
// input pixel weighted by how much of it the box covers, summed in GLU's order (edges, then
// inner pixels), since float sums depend on their order. `rows` holds input rows y.low to
// y.high.
Totals boxTotals(const float* const* rows, const Span& x, const Span& y) {
    Totals totals;
    const auto pixel = [&](int32_t column, int32_t row) {
        return rows[row - y.low] + static_cast<size_t>(column) * kChannels;
    };
    const float leftPart = 1 - x.lowPart;
    const auto addRow = [&](int32_t row, float part) {
        totals.add(pixel(x.low, row), part * leftPart);
        for (int32_t column = x.low + 1; column < x.high; ++column) {
            totals.add(pixel(column, row), part);
        }
        totals.add(pixel(x.high, row), part * x.highPart);
    };
    if (y.high > y.low && x.high > x.low) {
        addRow(y.low, 1 - y.lowPart);
        addRow(y.high, y.highPart);
        // GLU's edge columns move one pixel right on every inner row as well as one row up.
        for (int32_t step = 0; step < y.high - y.low - 1; ++step) {
            totals.addPair(pixel(x.low + step, y.low + 1 + step), leftPart,
                           pixel(x.high + step, y.low + 1 + step), x.highPart);
        }
    } else if (y.high > y.low) {
        const float width = x.highPart - x.lowPart;
        totals.add(pixel(x.low, y.low), (1 - y.lowPart) * width);
        for (int32_t row = y.low + 1; row < y.high; ++row) {
            totals.add(pixel(x.low, row), width);
        }
        totals.add(pixel(x.low, y.high), width * y.highPart);
    } else if (x.high > x.low) {
        addRow(y.low, y.highPart - y.lowPart);
    } else {
        totals.add(pixel(x.low, y.low), (y.highPart - y.lowPart) * (x.highPart - x.lowPart));
    }
    for (int32_t row = y.low + 1; row < y.high; ++row) {
        for (int32_t column = x.low + 1; column < x.high; ++column) {
            totals.addWhole(pixel(column, row));
        }
    }
    return totals;
}

// The spans of every output column and row, and what the box filter needs to know of them.
struct Scaling {
    Scaling(const RgbRows& picture, int32_t width, int32_t height)
        : picture(picture),
          columns(stepSpans(picture.width, width, false)),
          rows(stepSpans(picture.height, height, true)),
          area((static_cast<float>(picture.width) / static_cast<float>(width)) *
               (static_cast<float>(picture.height) / static_cast<float>(height))) {
        for (const Span& row : rows) {
            rowsRead = std::max(rowsRead, row.high - row.low + 1);
        }
        // How far past a row's right edge the columns reach: the last column's end, plus the
        // edge columns' move right (boxTotals).
        overhang = std::max(columns.back().high + rowsRead - picture.width, 0) + 1;
    }

    const RgbRows& picture;
    std::vector<Span> columns;
    std::vector<Span> rows;
    float area;
    int32_t rowsRead = 1;  // input rows under one output row, at most
    int32_t overhang = 0;
};

// Bands of output rows of the scaled picture, taken one after another from `nextBand` until
// none is left. Everything it needs is allocated when it is made, so that scaling on another
// thread cannot fail.
class RowScaler {
public:
    RowScaler(const Scaling& scaling, std::atomic<size_t>& nextBand)
        : scaling_(scaling),
          nextBand_(nextBand),
          floatRows_(scaling.picture, scaling.rowsRead, scaling.overhang),
          rowsUnder_(static_cast<size_t>(scaling.rowsRead)) {
        columnParts_.reserve(scaling.columns.size());
        for (const Span& column : scaling.columns) {
            columnParts_.push_back({_mm_set1_ps(1 - column.lowPart), _mm_set1_ps(column.highPart)});
        }
    }

    void scale(MipmapLevel& scaled) {
        const size_t rows = scaling_.rows.size();
        for (size_t first = nextBand_++ * kBandRows; first < rows;
             first = nextBand_++ * kBandRows) {
            scaleBand(scaled, first, std::min(first + kBandRows, rows));
        }
    }

private:
    // Small enough that two threads end close together when one of them is held up, large
    // enough that the input rows a band starts with are seldom converted twice.
    static constexpr size_t kBandRows = 32;

    // Output rows `first` to `last` (not included).
    void scaleBand(MipmapLevel& scaled, size_t first, size_t last) {
        const size_t width = scaling_.columns.size();
        uint8_t* out = scaled.pixels.data() + first * width * kLevelPixelBytes;
        const __m128 area = _mm_set1_ps(scaling_.area);
        for (size_t i = first; i < last; ++i) {
            const Span& row = scaling_.rows[i];
            for (int32_t y = row.low; y <= row.high; ++y) {
                rowsUnder_[static_cast<size_t>(y - row.low)] = floatRows_.row(y);
            }
            const __m128 bottomPart = _mm_set1_ps(1 - row.lowPart);
            const __m128 topPart = _mm_set1_ps(row.highPart);
            for (size_t x = 0; x < width; ++x, out += kLevelPixelBytes) {
                const Span& column = scaling_.columns[x];
                __m128 totals;
                if (row.high == row.low + 1 && column.high == column.low + 1) {
                    // Most pixels lie under a box that touches 2 x 2 input pixels: boxTotals'
                    // sums for that box, without its loops.
                    const float* bottom =
                        rowsUnder_[0] + static_cast<size_t>(column.low) * kChannels;
                    const float* top = rowsUnder_[1] + static_cast<size_t>(column.low) * kChannels;
                    const ColumnParts& parts = columnParts_[x];
                    totals = _mm_mul_ps(_mm_loadu_ps(bottom), _mm_mul_ps(bottomPart, parts.left));
                    totals = _mm_add_ps(totals, _mm_mul_ps(_mm_loadu_ps(bottom + kChannels),
                                                           _mm_mul_ps(bottomPart, parts.right)));
                    totals = _mm_add_ps(
                        totals, _mm_mul_ps(_mm_loadu_ps(top), _mm_mul_ps(topPart, parts.left)));
                    totals = _mm_add_ps(totals, _mm_mul_ps(_mm_loadu_ps(top + kChannels),
                                                           _mm_mul_ps(topPart, parts.right)));
                } else {
                    totals = boxTotals(rowsUnder_.data(), column, row).lanes;
                }
                // Truncated, as C converts a float to a byte; the sums lie within 0 to 255.
                __m128i whole = _mm_cvttps_epi32(_mm_div_ps(totals, area));
                if (scaling_.picture.blueFirst) {
                    whole = _mm_shuffle_epi32(whole, _MM_SHUFFLE(3, 0, 1, 2));
                }
                const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(whole, whole), whole);
                const auto rgba = static_cast<uint32_t>(_mm_cvtsi128_si32(bytes)) | kOpaque;
                std::memcpy(out, &rgba, kLevelPixelBytes);
            }
        }
    }

    const Scaling& scaling_;
    std::atomic<size_t>& nextBand_;
    // How much of its leftmost and rightmost input pixel each output column covers.
    struct ColumnParts {
        __m128 left;
        __m128 right;
    };

    FloatRows floatRows_;
    std::vector<const float*> rowsUnder_;
    std::vector<ColumnParts> columnParts_;
};

MipmapLevel blankLevel(int32_t width, int32_t height) {
    MipmapLevel level;
    level.width = width;
    level.height = height;
    level.pixels = MipmapLevel::Bytes(static_cast<size_t>(width) * static_cast<size_t>(height) *
                                      kLevelPixelBytes);
    return level;
}

// One row of the next level from two rows of 2 x `width` pixels, each pixel the average of the
// four it replaces, rounded. The averages are made for every byte of the row (pixel pairs
// 4 bytes apart), 16 at a time, into `averages`; the next level keeps every other pixel's.
void halveRowPair(const uint8_t* lower, const uint8_t* upper, size_t width, uint8_t* averages,
                  uint8_t* out) {
    // The averages that have a pixel to their right.
    const size_t bytes = (2 * width - 1) * kLevelPixelBytes;
    const __m128i zero = _mm_setzero_si128();
    const __m128i two = _mm_set1_epi16(2);
    const auto sums = [&](size_t at, bool high) {
        const __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower + at));
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + at));
        return high ? _mm_add_epi16(_mm_unpackhi_epi8(l, zero), _mm_unpackhi_epi8(u, zero))
                    : _mm_add_epi16(_mm_unpacklo_epi8(l, zero), _mm_unpacklo_epi8(u, zero));
    };
    size_t i = 0;
    for (; i + 16 <= bytes; i += 16) {
        const __m128i low =
            _mm_add_epi16(_mm_add_epi16(sums(i, false), sums(i + kLevelPixelBytes, false)), two);
        const __m128i high =
            _mm_add_epi16(_mm_add_epi16(sums(i, true), sums(i + kLevelPixelBytes, true)), two);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(averages + i),
                         _mm_packus_epi16(_mm_srli_epi16(low, 2), _mm_srli_epi16(high, 2)));
    }
    for (; i < bytes; ++i) {
        averages[i] = static_cast<uint8_t>(
            (lower[i] + lower[i + kLevelPixelBytes] + upper[i] + upper[i + kLevelPixelBytes] + 2) /
            4);
    }
    for (size_t x = 0; x < width; ++x) {
        std::memcpy(out + x * kLevelPixelBytes, averages + 2 * x * kLevelPixelBytes,
                    kLevelPixelBytes);
    }
}

// The next level of `level`, whose sides are powers of two and not both 1: each side halved
// (a side of 1 stays 1), each pixel the average of the four it replaces, rounded, or once a
// side is 1, of the two, rounded down.
MipmapLevel nextMipmapLevel(const MipmapLevel& level) {
    const auto width = static_cast<size_t>(level.width);
    const auto height = static_cast<size_t>(level.height);
    MipmapLevel next =
        blankLevel(level.width > 1 ? level.width / 2 : 1, level.height > 1 ? level.height / 2 : 1);
    const uint8_t* in = level.pixels.data();
    uint8_t* out = next.pixels.data();
    if (width == 1 || height == 1) {
        // A single row or column: pairs, their average rounded down.
        const size_t count = next.pixels.size();
        for (size_t i = 0; i < count; ++i) {
            const size_t at = (i / kLevelPixelBytes) * 2 * kLevelPixelBytes + i % kLevelPixelBytes;
            out[i] = static_cast<uint8_t>((in[at] + in[at + kLevelPixelBytes]) / 2);
        }
        return next;
    }
    const size_t stride = width * kLevelPixelBytes;
    std::vector<uint8_t> averages(stride);
    for (size_t y = 0; y < height / 2; ++y) {
        const uint8_t* lower = in + 2 * y * stride;
        halveRowPair(lower, lower + stride, width / 2, averages.data(), out + y * stride / 2);
    }
    return next;
}

// The picture of `rows` as a level, unscaled.
MipmapLevel levelOf(const RgbRows& rows) {
    MipmapLevel level = blankLevel(rows.width, rows.height);
    uint8_t* out = level.pixels.data();
    const int red = rows.blueFirst ? 2 : 0;
    for (int32_t y = 0; y < rows.height; ++y) {
        for (int32_t x = 0; x < rows.width; ++x, out += kLevelPixelBytes) {
            const uint8_t* in = rows.pixel(x, y);
            out[0] = in[red];
            out[1] = in[1];
            out[2] = in[2 - red];
            out[3] = 0xFF;
        }
    }
    return level;
}

// `picture` box-filtered to width x height (both positive).
MipmapLevel scaledForMipmap(const RgbRows& picture, int32_t width, int32_t height) {
    if (picture.width == width * 2 && picture.height == height * 2) {
        // GLU halves an exact half with its 2 x 2 average.
        return nextMipmapLevel(levelOf(picture));
    }
    const Scaling scaling(picture, width, height);
    MipmapLevel scaled = blankLevel(width, height);
    // The rows are independent: a second thread, where one can start, takes bands of them
    // beside this one, each thread with its own rows held.
    std::atomic<size_t> nextBand = 0;
    RowScaler here(scaling, nextBand);
    RowScaler there(scaling, nextBand);
    std::optional<std::thread> helper;
    try {
        helper.emplace([&] { there.scale(scaled); });
    } catch (const std::system_error&) {
        // This thread scales every band.
    }
    here.scale(scaled);
    if (helper) {
        helper->join();
    }
    return scaled;
}

}  // namespace

int32_t mipmapSide(int32_t side) {
    int32_t power = 1;
    for (; side != 1; side >>= 1, power *= 2) {
        if (side == 3) {
            return power * 4;
        }
    }
    return power;
}

std::vector<MipmapLevel> mipmapLevels(const RgbRows& picture, int32_t width, int32_t height) {
    std::vector<MipmapLevel> levels;
    levels.push_back(picture.width == width && picture.height == height
                         ? levelOf(picture)
                         : scaledForMipmap(picture, width, height));
    while (levels.back().width > 1 || levels.back().height > 1) {
        levels.push_back(nextMipmapLevel(levels.back()));
    }
    return levels;
}

std::vector<MipmapLevel> mipmapLevels(const RgbImage& picture, int32_t width, int32_t height) {
    return mipmapLevels(rowsOf(picture), width, height);
}
