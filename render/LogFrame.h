#pragma once
// Everything on a page that does not depend on the depth-keyed tables: the
// log title and the title block of survey particulars, the column headings,
// the contractor line, the frame and column rules of the body, the ground
// rule, the depth-zero labels and the depth scale.
#include "render/DrawContext.h"

#include <array>
#include <string>

namespace kolv {

// The fixed captions of the title block, in their customary order.
inline constexpr int titleCaptionCount = 14;
extern const std::array<const char*, titleCaptionCount> titleCaptions;  // UTF-8

// The title of a log whose heading gives none: "土 質 柱 状 図" (code page 932).
std::string defaultLogTitle();

// The heading data's title when set, else defaultLogTitle().
std::string logTitle(const BoringData& data);

// A survey date from its era, year, month and day texts ("令和5年4月1日",
// "平成元年…"; a text that is not a number keeps its first two bytes).
std::string surveyDate(const std::string& era, const std::string& year, const std::string& month,
                       const std::string& day);

// The value texts of the title block (code page 932).
std::string elevationText(const BoringData& data);
std::string waterLevelText(const BoringData& data);
std::string finalDepthText(const BoringData& data);

// Title band mapping.
void drawTitleBlock(DrawContext& context);
void drawHeadings(DrawContext& context);

// Body mapping.
void drawContractorName(DrawContext& context);
void drawGroundAndBottomRules(DrawContext& context);
void drawDepthZeroLabels(DrawContext& context);
void clipToPage(DrawContext& context);
void drawBodyFrame(DrawContext& context);
void drawDepthScale(DrawContext& context);

// Vertical lines of the body are drawn in two halves on pages of 38 to 59 m.
bool splitsVerticalLines(int depthPerPage);

}  // namespace kolv
