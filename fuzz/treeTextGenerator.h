// Tree texts generated from fuzz input: key words the library gives a meaning to and a few
// it does not, strings, numbers, blocks nested a few levels.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/keyWordDeclarationC.h"

namespace scriptFuzz {

// Key words the library gives a meaning to, as the registrars and the folders declare them,
// and a few it does not; each once, in byte order, so that an input picks the same word in
// every run. Taken once, ahead of any input.
inline const std::vector<std::string>& keyWords() {
  static const std::vector<std::string> words = [] {
    std::set<std::string> unique = {"DOC", "ITEM", "PART", "X"};
    for (const keyWordDeclarationC* declaration = keyWordDeclarationC::first(); declaration;
         declaration = declaration->getNext())
      unique.insert(declaration->begin(), declaration->end());
    return std::vector<std::string>(unique.begin(), unique.end());
  }();
  return words;
}

class treeTextC {
 public:
  explicit treeTextC(FuzzedDataProvider& input) : input(input) {}

  // One or two top-level nodes with blocks, at most about maxNodes nodes, 6 levels.
  std::string document(int maxNodes) {
    budget = maxNodes;
    std::string text;
    int tops = input.ConsumeIntegralInRange<int>(1, 2);
    for (int i = 0; i < tops; ++i) {
      text += pick(keyWords());
      text += '{';
      children(text, 1);
      text += '}';
    }
    return text;
  }

  std::string quoted(const std::string& raw) {
    std::string text = "\"";
    for (char c : raw) {
      if (c == '"' || c == '\\') text += '\\';
      if (c != 0) text += c;
    }
    return text + '"';
  }

  template <size_t n>
  const char* pick(const char* const (&words)[n]) {
    return words[input.ConsumeIntegralInRange<size_t>(0, n - 1)];
  }
  const char* pick(const std::vector<std::string>& words) {
    return words[input.ConsumeIntegralInRange<size_t>(0, words.size() - 1)].c_str();
  }

 private:
  FuzzedDataProvider& input;
  int budget = 0;

  // A mate's end: a connection point's name, then member indices each after an at-sign.
  std::string mateEnd() {
    static constexpr const char* names[] = {"A", "B", "C", ""};
    static constexpr const char* indices[] = {"1", "2", "3", "0", "-1", "x", "99999999999"};
    std::string end = pick(names);
    for (int fields = input.ConsumeIntegralInRange<int>(0, 3); fields > 0; --fields)
      end += std::string("@") + pick(indices);
    return end;
  }

  void children(std::string& text, int depth) {
    int count = input.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < count && budget > 0; ++i) {
      --budget;
      if (i) text += ' ';
      switch (input.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
          text += quoted(input.ConsumeBool() ? mateEnd() : input.ConsumeRandomLengthString(12));
          break;
        case 1: {
          static constexpr const char* numbers[] = {"0", "1", "-1", "2.5", "1e999", "-1e999", "7", "255", "1e300"};
          text += pick(numbers);
          break;
        }
        case 2:
          text += std::to_string(input.ConsumeIntegral<int16_t>());
          break;
        default:
          text += pick(keyWords());
          if (depth < 6 && input.ConsumeBool()) {
            text += '{';
            children(text, depth + 1);
            text += '}';
          }
          break;
      }
    }
  }
};

}  // namespace scriptFuzz
