#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <random>

#include "files/NumberText.h"

namespace quillane {
namespace {

TEST(NumberText, WritesTheShortestInvariantFormOfAtMostSevenDigitsWithoutLeadingZero) {
  const std::pair<float, const char*> written[] = {
      {0.0f, "0"},  {-0.0f, "0"},     {9.0f, "9"},  {100.0f, "100"},     {4.5f, "4.5"},
      {0.5f, ".5"}, {-0.25f, "-.25"}, {0.1f, ".1"}, {12.375f, "12.375"}, {0.0001f, ".0001"},
  };
  for (const auto& [number, text] : written) EXPECT_EQ(FormatNumber(number), text) << text;
  EXPECT_EQ(FormatNumber(0.00001234f), ".00001234");
  EXPECT_EQ(FormatNumber(1234567.0f), "1234567");
  // At most seven significant digits.
  EXPECT_EQ(FormatNumber(1.0f / 3.0f), ".3333333");
  EXPECT_EQ(FormatNumber(20.0f / 3.0f), "6.666667");
  EXPECT_EQ(FormatNumber(123456789.0f), "123456800");
  EXPECT_EQ(FormatNumber(9.0f * (2.0f / 7.0f)), "2.571429");
}

TEST(NumberText, WhatIsWrittenReadsBackWithinSevenDigits) {
  std::mt19937 generator(7);
  std::uniform_real_distribution<float> weights(0.0f, 9.0f);
  for (int i = 0; i < 2000; ++i) {
    const float weight = weights(generator);
    const QString text = FormatNumber(weight);
    const auto read = ParseNumber(text);
    ASSERT_TRUE(read) << text.toStdString();
    EXPECT_NEAR(*read, weight, weight * 1e-6) << text.toStdString();
    EXPECT_FALSE(text.startsWith(QLatin1Char('0')) && text.size() > 1) << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('e')) || text.contains(QLatin1Char(','))) << text.toStdString();
  }
}

TEST(NumberText, ReadsTheUsualFormsAndRefusesTheRest) {
  const std::pair<const char*, double> good[] = {
      {".5", 0.5},     {"0.5", 0.5}, {" 4.5 ", 4.5},     {"-1", -1.0},    {"+3", 3.0},          {"5.", 5.0},
      {"1E-05", 1e-5}, {"+.5", 0.5}, {"-.5e+3", -500.0}, {"5.e2", 500.0}, {"\t\v5\f\r\n", 5.0},
  };
  for (const auto& [text, number] : good) EXPECT_EQ(ParseNumber(QString::fromLatin1(text)), number) << text;
  // Separated by bars; the first is the empty line, \240 the no-break space.
  const QList<QByteArray> bad =
      QByteArray(
          "| |abc|1.2.3|1,5|nan|inf|1e999|--1|.|0x10|5 5|E5|1e|1e+|+|-.|.e5|- 5|1 e5|5e1.5|5\240|\2405")
          .split('|');
  for (const QByteArray& text : bad) EXPECT_FALSE(ParseNumber(QString::fromLatin1(text))) << text.constData();
}

// A line of any length is read in one pass: a long run of digits is still a
// number, and one that ends in a letter is none.
TEST(NumberText, LongRunsOfDigitsAreReadWhole) {
  const QString zeros(100000, QLatin1Char('0'));
  EXPECT_EQ(ParseNumber(zeros + QStringLiteral("5")), 5.0);
  EXPECT_EQ(ParseNumber(QStringLiteral("  .") + zeros + QStringLiteral("5e100000 ")), 5e-1);
  EXPECT_FALSE(ParseNumber(QString(100000, QLatin1Char('7')) + QLatin1Char('x')));
  EXPECT_FALSE(ParseNumber(zeros + QStringLiteral(".") + zeros + QStringLiteral("e")));
}

}  // namespace
}  // namespace quillane
