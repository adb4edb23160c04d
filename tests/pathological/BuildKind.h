#pragma once
// What kind of build the hostile-input tables run in, for their hang guards: a sanitizer
// build, or an unoptimised one, is many times slower than a release build, and the bounds and
// sizes scale with it.

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

#if defined(NDEBUG)
constexpr bool kOptimised = !kSanitized;
#else
constexpr bool kOptimised = false;
#endif
