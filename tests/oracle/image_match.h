// Two drawings of one picture compared pixel by pixel: how many pixels
// differ, and whether each difference is only a shift of at most one pixel
// (a filled edge against hatching, a line a pixel over).
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <string>

namespace welkin {

struct ImageMatch {
    long long pixels = 0;
    long long differing = 0;
    // Differing pixels whose colour appears nowhere within one pixel in the
    // other image, or the other image's colour nowhere within one pixel here
    // (counting two pixels across a pixel both images share, such as an
    // outline a fill reached past).
    long long displaced = 0;
    QPoint first_displaced{-1, -1};
    QRect differing_area;
};

ImageMatch match_images(const QImage& drawn, const QImage& reference);

// The reference in pale grey, displaced pixels red, other differences orange.
QImage difference_image(const QImage& drawn, const QImage& reference);

// At most `max_differing` of the pixels differ and `max_displaced` by more
// than one pixel of position; on failure the difference image is written to
// the folder $WELKIN_DIFF_DIR (else the temporary folder) and named.
testing::AssertionResult pictures_match(const QImage& drawn, const QImage& reference,
                                        const std::string& name, double max_differing,
                                        double max_displaced);

}  // namespace welkin
