// Scripts and value files written to break the language: depth, size and
// crafted input. Each case builds its input here (10^5 deep or 10^6 wide) and
// must end with a correct result or a reported error, with no more than the
// default C stack.

#include "CraftedValueFiles.h"
#include "QuipTestSupport.h"

#include "file/BufferBinary.h"
#include "quip/Limits.h"
#include "quip/ScriptFile.h"
#include "quip/Serializer.h"
#include "quip/builtins/SpawnBuiltins.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using quip::Array;
using quip::Dictionary;
using quip::Token;

constexpr uint32_t kDeep = 100000;
constexpr uint32_t kWide = 1000000;

// [[[ ... [innermost] ... ]]] nested depth times.
Token deepArray(uint32_t depth, const Token &innermost = Token(), bool executable = false) {
  Array inner(1);
  inner.set(innermost, 0);
  Token value(inner, executable);
  for (uint32_t i = 1; i < depth; ++i) {
    Array outer(1);
    outer.set(value, 0);
    value = Token(outer, executable);
  }
  return value;
}

Token deepDictionary(uint32_t depth) {
  Token value(1.0f);
  for (uint32_t i = 0; i < depth; ++i) {
    Dictionary d;
    d.set(Symbol::intern(L"inner"), value);
    value = Token(d);
  }
  return value;
}

// The innermost element of a chain made by deepArray.
const Token &innermost(const Token &value) {
  const Token *t = &value;
  while (t->isArray() && t->array().count() == 1 && t->array()[0].isArray())
    t = &t->array()[0];
  return t->array()[0];
}

std::string repeat(const char *text, uint32_t n) {
  std::string out;
  for (uint32_t i = 0; i < n; ++i)
    out += text;
  return out;
}

String wide(const std::string &text) { return String::fromUtf8(text.c_str()); }

// A value file: the header, then (by the case) the texts and the value.
using quiptest::ValueBytes;

class HostileInput : public quiptest::ScriptTest {
public:
  using ScriptTest::eval;
  using ScriptTest::manager;
  using ScriptTest::output;
  using ScriptTest::start;
  void TestBody() override {}
  void define(const wchar_t *name, const Token &value) {
    manager.globals().set(Symbol::intern(name), value);
  }
};

struct Case {
  const char *name;
  std::function<void(HostileInput &)> run;
};

const Case kCases[] = {
    {"PrintingADeepValueStopsAtTheNestingLimit",
     [](HostileInput &) {
       Token deep = deepArray(kDeep);
       String line = deep.toString();
       EXPECT_GE(line.find(L"<<TOO DEEP>>"), 0);
       EXPECT_TRUE(line.startsWith(L"[[[["));
       EXPECT_GE(deep.toSortedString().find(L"<<TOO DEEP>>"), 0);
       EXPECT_GE(deep.toIndentedString().find(L"<<TOO DEEP>>"), 0);
       EXPECT_GE(deepDictionary(kDeep).toSortedString().find(L"<<TOO DEEP>>"), 0);
       // Up to the limit nothing is cut.
       EXPECT_LT(deepArray(quip::kMaxNesting + 1).toString().find(L"<<TOO DEEP>>"), 0);
     }},
    {"PrintingADeepValueBuiltAtRunTime",
     [](HostileInput &t) {
       std::string result =
           t.eval(L"a: [] def n: 100000 def "
                  L"grow: { n 0 > { b: [] def b a append a: b def n: n 1 - def grow } "
                  L"if } def grow a toString stringLength");
       EXPECT_EQ(result, std::to_string(2 * (quip::kMaxNesting + 1) + 12));
     }},
    {"ATypeErrorOnADeepValueNeedsNoStack",
     [](HostileInput &t) {
       t.define(L"deep", deepArray(kDeep));
       EXPECT_EQ(t.eval(L"deep 1 + 7"), "7");
       std::string text = t.output(L"deep 1 +");
       EXPECT_NE(text.find("Type-check failed."), std::string::npos);
       EXPECT_LT(text.size(), 2 * quip::kMaxReportLength);
     }},
    {"DeeplyNestedBracketsAreRefusedByTheBuilder",
     [](HostileInput &t) {
       std::string text = repeat("[ ", kDeep) + "1" + repeat(" ]", kDeep) + " toString";
       quip::Interpreter *interpreter = t.start(wide(text).c_str());
       ASSERT_GT(interpreter->operands().count(), 0u);
       EXPECT_TRUE(interpreter->operands().last().isString());
       const uint32_t over = uint32_t(quip::kMaxNesting) + 2;
       std::string printed = t.output(wide(repeat("[ ", over) + repeat(" ]", over)).c_str());
       EXPECT_NE(printed.find("builtin_makearray: nested too deeply"), std::string::npos);
     }},
    {"ReleasingDeepValuesNeedsNoStack",
     [](HostileInput &t) {
       { Token deep = deepArray(2 * kDeep); }
       { Token deep = deepDictionary(kDeep); }
       t.define(L"a", deepArray(2 * kDeep));
       t.define(L"a", Token(0.0f));
       EXPECT_EQ(t.eval(L"b: [] def n: 100000 def "
                        L"grow: { n 0 > { c: [] def c b append b: c def n: n 1 - def grow } "
                        L"if } def grow b: 0 def b"),
                 "0");
     }},
    {"NestedCountsInAValueFileAreBoundedByTheBytesLeft",
     [](HostileInput &) {
       // 1,000 nested headers in 405 KB, each count just under the bytes left.
       EXPECT_TRUE(quiptest::nestedHeaders().read().isError());

       // Nesting up to the limit reads; one more level is refused.
       for (int extra = 0; extra < 2; ++extra) {
         ValueBytes chain = ValueBytes::withoutTexts();
         for (int level = 0; level <= quip::kMaxNesting + extra; ++level) {
           chain.bytes.push_back('[');
           chain.u32(1);
         }
         chain.bytes.push_back('n');
         chain.u32(0);
         EXPECT_EQ(chain.read().isArray(), extra == 0);
       }

       // A wide array reads whole.
       ValueBytes wideFile = ValueBytes::withoutTexts();
       wideFile.bytes.push_back('[');
       wideFile.u32(kWide);
       wideFile.bytes.resize(wideFile.bytes.size() + kWide, 'e');
       Token value = wideFile.read();
       ASSERT_TRUE(value.isArray());
       EXPECT_EQ(value.array().count(), kWide);
     }},
    {"SpawnToCompletionNestsToALimit",
     [](HostileInput &t) {
       ASSERT_TRUE(
           t.manager.defineProcedure(String(L"{ f } spawnToCompletion"), Symbol::intern(L"f")));
       std::string text = t.output(L"f");
       EXPECT_NE(text.find("builtin_spawnToCompletion: nested too deeply"), std::string::npos);
       EXPECT_EQ(t.eval(L"f 5"), "5");
     }},
    {"ReportsOfHugeValuesAreCut",
     [](HostileInput &t) {
       Array big(kWide);
       for (uint32_t i = 0; i < kWide; ++i)
         big.set(Token(float(i)), i);
       t.define(L"big", Token(big, false));
       EXPECT_EQ(t.eval(L"big 1 + big 1 + big 1 + big 1 + big 1 + 3"), "3");
       std::string text = t.output(L"big 1 +");
       EXPECT_NE(text.find("...)\nis type 'array'"), std::string::npos);
       EXPECT_LT(text.size(), 2 * quip::kMaxReportLength);
     }},
    {"ReplaceAndBindWalkDeepAndWideValues",
     [](HostileInput &t) {
       Token deep = deepArray(kDeep, Token(1.0f));
       t.define(L"deep", deep);
       t.eval(L"deep 1 2 replace pop");
       EXPECT_TRUE(innermost(deep) == Token(2.0f));

       Array many(kDeep);
       for (uint32_t i = 0; i < kDeep; ++i) {
         Array one(1);
         one.set(Token(1.0f), 0);
         many.set(Token(one, false), i);
       }
       t.define(L"many", Token(many, false));
       t.eval(L"many 1 2 replace pop");
       EXPECT_TRUE(many[0].array()[0] == Token(2.0f));
       EXPECT_TRUE(many[kDeep - 1].array()[0] == Token(2.0f));

       Token procedure = deepArray(kDeep, Token(Symbol::intern(L"x"), true), true);
       t.define(L"procedure", procedure);
       t.define(L"x", Token(5.0f));
       t.eval(L"procedure [ x: ] bind pop");
       EXPECT_TRUE(innermost(procedure) == Token(5.0f));
     }},
    {"WhatParsesAlsoCompilesAndReadsBack",
     [](HostileInput &) {
       const uint32_t limit = uint32_t(quip::kMaxNesting);
       std::string text = repeat("{ ", limit) + "1" + repeat(" }", limit);
       Array code = quip::translate(wide(text), String(L"test"));
       ASSERT_EQ(code.count(), 1u);
       file::BufferBinary bytes;
       ASSERT_TRUE(quip::Serializer::writeBytes(Token(code, false), bytes));
       bytes.seek(0);
       Token back = quip::Serializer::readBytes(bytes);
       EXPECT_EQ(back.toString(), Token(code, false).toString());

       std::string deeper = "{ " + text + " }";
       quiptest::captureOutput(
           [&] { EXPECT_EQ(quip::translate(wide(deeper), String(L"test")).count(), 0u); });
     }},
    {"TheProcedureStackHasALimit",
     [](HostileInput &t) {
       std::string text = t.output(L"r: { r 1 } def r");
       EXPECT_NE(text.find("procedure stack overflow"), std::string::npos);
       quip::Interpreter *interpreter = t.start(L"s: { s s } def s");
       EXPECT_TRUE(interpreter->isFinished());
     }},
    {"SortedKeysOfManyKeys",
     [](HostileInput &t) {
       const uint32_t n = 1 << 16;
       Dictionary d;
       std::vector<std::wstring> texts;
       for (uint32_t i = 0; i < n; ++i) {
         std::wstring text = L"k" + std::to_wstring((i * 2654435761u) % 1000003u);
         texts.push_back(text);
         d.set(Symbol::intern(text.c_str()), Token(1.0f));
       }
       std::sort(texts.begin(), texts.end());
       texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
       t.define(L"d", Token(d));
       quip::Interpreter *interpreter = t.start(L"d sortedKeys");
       const Array &keys = interpreter->operands().last().array();
       ASSERT_EQ(keys.count(), texts.size());
       for (uint32_t i = 0; i < keys.count(); ++i)
         ASSERT_EQ(std::wstring(keys[i].symbol().text()), texts[i]);
     }},
    {"TextsOfAValueFileInternFastWhateverTheirHash",
     [](HostileInput &) {
       // Two-character texts that all land in one chain of a table of 10007
       // buckets hashed character by character, then one array naming each.
       const uint32_t n = 40000;
       ValueBytes file = quiptest::collidingTexts(n);
       Token value = file.read();
       ASSERT_TRUE(value.isArray());
       ASSERT_EQ(value.array().count(), n);
       EXPECT_TRUE(value.array()[0] != value.array()[n - 1]);
       EXPECT_EQ(value.array()[n - 1].symbol().toString().length(), 2u);
     }},
    {"AParseErrorDeepInsideIsReportedOnce",
     [](HostileInput &) {
       std::string text = repeat("{", uint32_t(quip::kMaxNesting)) + std::string(200000, 'x');
       std::string printed =
           quiptest::captureOutput([&] { quip::translate(wide(text), String(L"test")); });
       size_t reports = 0;
       for (size_t at = printed.find("parse error:"); at != std::string::npos;
            at = printed.find("parse error:", at + 1))
         ++reports;
       EXPECT_EQ(reports, 2u); // the error, then "translation failed"
       EXPECT_LT(printed.size(), 1000000u);
     }},
    {"AnUnreadableCompiledFileIsReported",
     [](HostileInput &) {
       testing_support::TempFolder dir;
       std::string source = dir.write("s.!", "1 2 +");
       std::string compiled = dir.write("s.!.bin", "!");
       chmod(dir.path("").c_str(), 0755);
       chmod(compiled.c_str(), 0);
       // As a user the file's mode applies to (root reads any file).
       EXPECT_EXIT(
           {
             if (geteuid() == 0 && setuid(65534) != 0)
               _exit(2);
             // The source is used instead.
             Array code = quip::loadScript(String::fromUtf8(source.c_str()));
             // A script gets an error token and a report.
             quip::ScriptManager manager(Symbol::intern(L"unreadable"));
             quip::Interpreter *interpreter = manager.spawn(Array(0));
             interpreter->push(Token(String::fromUtf8(compiled.c_str())));
             int error = 0;
             quip::builtin_deserialize(interpreter, &error);
             bool reported = error == 1 && interpreter->stackSize() == 1 &&
                             interpreter->operands().last().isError();
             _exit(code.count() == 3 && reported ? 0 : 1);
           },
           testing::ExitedWithCode(0), "");
     }},
};

void PrintTo(const Case &c, std::ostream *out) { *out << c.name; }

class HostileInputCases : public testing::TestWithParam<Case> {};

TEST_P(HostileInputCases, EndsWithAResultOrAReport) {
  HostileInput fixture;
  GetParam().run(fixture);
}

INSTANTIATE_TEST_SUITE_P(HostileInput, HostileInputCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case> &info) {
                           return std::string(info.param.name);
                         });

} // namespace
