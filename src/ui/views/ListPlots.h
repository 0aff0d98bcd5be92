#pragma once
// The lists of the position, servo, knock and corrections pages as plots:
// one panel per list (or per group of lists that share their axes), each
// line in the units the page shows. Texts are the pages' own captions.

#include "core/ImageLayout.h"

#include <string>
#include <vector>

namespace torvana {

struct PlotLine {
    std::string name;
    std::vector<double> x;
    std::vector<double> y;
};

struct PlotPanel {
    std::string title;
    std::string xLabel;
    std::string yLabel;
    std::vector<PlotLine> lines;
};

// Panels of page (the editor's page index); none for the curve pages and
// the pages without lists.
std::vector<PlotPanel> ListPlots(const ParameterImage& image, int page, int languageIndex);

}  // namespace torvana
