#pragma once
// Whether one text stands in another in order, for tests that may lose layout, markup or a
// dropped format's text but never reorder what they keep.

namespace quillmark::testing {

// Whether every element of `needle` appears in `haystack` in the same order, not
// necessarily side by side. When not, *missing (if given) is the index in `needle` of the
// first element not found. Any string type with size() and [].
template <typename Text>
bool isSubsequence(const Text &needle, const Text &haystack,
                   typename Text::size_type *missing = nullptr) {
  typename Text::size_type h = 0;
  for (typename Text::size_type n = 0; n < needle.size(); ++n) {
    while (h < haystack.size() && haystack[h] != needle[n]) ++h;
    if (h == haystack.size()) {
      if (missing) *missing = n;
      return false;
    }
    ++h;
  }
  return true;
}

}  // namespace quillmark::testing
