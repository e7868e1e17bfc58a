#pragma once

namespace quillane::exchange {

// Text numbers of the words that exported files are made of; the import
// finds the ideas of an exported file by the same words.
inline constexpr int kGoal = 3163;
inline constexpr int kCriteria = 3164;
inline constexpr int kTangibles = 3165;
inline constexpr int kIntangibles = 3166;
inline constexpr int kIdeas = 3167;
inline constexpr int kRanking = 3168;
inline constexpr int kRank = 3169;
inline constexpr int kIdea = 3170;
inline constexpr int kResult = 3171;
inline constexpr int kWeight = 3172;
inline constexpr int kCriterion = 3173;
inline constexpr int kTangible = 3174;
inline constexpr int kIntangible = 3175;
inline constexpr int kRatings = 3176;

}  // namespace quillane::exchange
