#pragma once

// The online manual's topics, by their index in the "Topic:" pop-up. Each text is a heading in
// capitals, an empty line, then paragraphs separated by empty lines; lines are separated by
// carriage returns.
namespace HelpTexts {

inline constexpr int kTopicCount = 8;

// The pop-up's rows, in index order, separated by carriage returns.
extern const char* const kCaptionRows;

// 0 Introduction, 1 Two Explorations, 2 Setting the properties, 3 The properties, 4 Running,
// 5 Options, 6 How to learn, 7 Quitting.
extern const char* const kTopics[kTopicCount];

// The introduction without its heading and the empty line after it.
extern const char* const kIntroductionBody;

}  // namespace HelpTexts
