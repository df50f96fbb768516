#pragma once
// The colours of the views' overlays and indicators: red, green and blue
// from 0 to 1.
struct QlmViewColour {
  float R, G, B;
};

namespace QlmViewColours {
constexpr QlmViewColour Black{0, 0, 0};
constexpr QlmViewColour Red{1, 0, 0};
constexpr QlmViewColour Green{0, 1, 0};
constexpr QlmViewColour Blue{0, 0, 1};
constexpr QlmViewColour White{1, 1, 1};
// The centre cell of the cross-section window.
constexpr QlmViewColour PaleBlue{0.75f, 0.75f, 1};
}  // namespace QlmViewColours
