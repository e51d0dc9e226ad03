#pragma once
// Compares two drawings of the same picture as the eye would. Qt's raster engine rounds
// gradients, blending and anti-aliased edges differently on different processors (its SIMD
// paths), so two correct drawings may differ by a level here and there; a real change of the
// picture (a moved line, a changed index, another colour) changes some pixel by far more.
//
// The rule: no channel of any pixel (alpha included) off by more than kMaxChannelStep, and at
// most one pixel in kMaxOffShare off at all.

#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace veltrane::test {

inline constexpr int kMaxChannelStep = 2;
inline constexpr int kMaxOffShare = 200; // 0.5 %

struct PictureDifference {
    bool sameSize = true;
    qint64 pixelsOff = 0; // pixels with any channel off at all
    int worstStep = 0;    // the largest difference of one channel
    QPoint worstAt;       // where it is
    qint64 pixels = 0;

    bool withinTolerance() const {
        return sameSize && worstStep <= kMaxChannelStep && pixelsOff * kMaxOffShare <= pixels;
    }
};

inline PictureDifference ComparePictures(const QImage& a, const QImage& b) {
    PictureDifference d;
    if (a.size() != b.size()) {
        d.sameSize = false;
        return d;
    }
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    d.pixels = qint64{x.width()} * x.height();
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            if (p[col] == q[col]) {
                continue;
            }
            ++d.pixelsOff;
            const int step = std::max({std::abs(qRed(p[col]) - qRed(q[col])),
                                       std::abs(qGreen(p[col]) - qGreen(q[col])),
                                       std::abs(qBlue(p[col]) - qBlue(q[col])),
                                       std::abs(qAlpha(p[col]) - qAlpha(q[col]))});
            if (step > d.worstStep) {
                d.worstStep = step;
                d.worstAt = QPoint(col, row);
            }
        }
    }
    return d;
}

inline bool LookTheSame(const QImage& a, const QImage& b) {
    return ComparePictures(a, b).withinTolerance();
}

// For EXPECT_TRUE: on failure it says how far apart the two drawings are.
inline ::testing::AssertionResult PicturesMatch(const QImage& a, const QImage& b) {
    const PictureDifference d = ComparePictures(a, b);
    if (d.withinTolerance()) {
        return ::testing::AssertionSuccess();
    }
    if (!d.sameSize) {
        return ::testing::AssertionFailure() << "sizes differ: " << a.width() << "x" << a.height()
                                             << " and " << b.width() << "x" << b.height();
    }
    return ::testing::AssertionFailure()
           << d.pixelsOff << " of " << d.pixels << " pixels differ, the most by " << d.worstStep
           << " levels at " << d.worstAt.x() << "," << d.worstAt.y();
}

} // namespace veltrane::test
