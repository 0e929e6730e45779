#include "vocal/template_defaults.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "frontend/testing.h"

namespace scoretext::vocal {
namespace {

TemplateDefaults read(std::string_view text) {
  LineReader lines(text, kTemplateLineUnlimited);
  return read_template_defaults(lines);
}

std::string report_of(std::string_view text) {
  try {
    read(text);
  } catch (const ToolError& e) {
    return e.report();
  }
  return {};
}

TEST(TemplateDefaults, LastLineWinsAndTheFirstLandmarkInOrderDecides) {
  const TemplateDefaults d = read(
      "<nume>3</nume>\r\n"
      "<denomi>8</denomi>\n"
      "<attr id=\"opening\">100</attr>\n"
      "<attr id=\"opening\">+90</attr>\n"
      // Both texts on one line: "<bpm>" comes first in the order.
      "<attr id=\"accent\"><bpm>7000</bpm></attr>\n"
      "<attr id=\"decay\">-3</attr>");
  EXPECT_EQ(d.numerator, 3);
  EXPECT_EQ(d.denominator, 8);
  EXPECT_EQ(d.measure_ticks(), 720);
  EXPECT_EQ(d.style.opening, 90);
  EXPECT_EQ(d.tempo, 7000);
  EXPECT_EQ(d.style.accent, 50);
  EXPECT_EQ(d.style.decay, -3);
  EXPECT_EQ(d.style.bend_depth, 8);
}

TEST(TemplateDefaults, PartPositionIsTheFirstPosTickOfTheMusicalPart) {
  EXPECT_EQ(read("<tempo><posTick>5</posTick>\n<musicalPart>\n<posTick>1440</posTick>\n<posTick>7</posTick>")
                .part_position,
            1440);
  EXPECT_EQ(read("<musicalPart><posTick>960</posTick>").part_position, 960);
  EXPECT_EQ(read("<posTick>960</posTick>\n<musicalPart>").part_position, 0);
}

TEST(TemplateDefaults, MeasureIsAWholeNoteUnlessTheSignatureGivesAPositiveWholeNumber) {
  TemplateDefaults d;
  for (auto [nume, denomi, ticks] : {std::tuple{5, 3, 3200}, {1, 7, 1920}, {0, 4, 1920},
                                     {4, 0, 1920}, {-3, 4, 1920}, {-3, -4, 1440}}) {
    d.numerator = nume;
    d.denominator = denomi;
    EXPECT_EQ(d.measure_ticks(), ticks) << nume << "/" << denomi;
  }
}

TEST(TemplateDefaults, ErrorForms) {
  // A landmark without its '>' or '<': the line itself.
  EXPECT_EQ(report_of("<a>\n<bpm>120\n"), "ERROR: <bpm>120\n");
  EXPECT_EQ(report_of("<attr id=\"decay\" 50"), "ERROR: <attr id=\"decay\" 50\n");
  EXPECT_EQ(report_of("\"risePort\">1"), "ERROR: \"risePort\">1\n");
  EXPECT_EQ(report_of("<musicalPart>\n<posTick>0"), "ERROR: <posTick>0\n");
  // A value that is no number: line 0, the line as context.
  EXPECT_EQ(report_of("<bpm>12a</bpm>"), testing::report(Msg::Malformed, ":0 <bpm>12a</bpm>\n"));
  EXPECT_EQ(report_of("<nume></nume>"), testing::report(Msg::Malformed, ":0 <nume></nume>\n"));
  // posTick outside the musical part is not read.
  EXPECT_EQ(report_of("<posTick>x</posTick>"), "");
}

// The image of a template file holding `content`, or the report of the
// error that reading it threw.
std::string image_or_report(const std::string& content) {
  const testing::ScratchFile file(content);
  try {
    return read_template_image(InputFile(file.path()));
  } catch (const ToolError& e) {
    return e.report();
  }
}

const std::string kLineTooLong = "ERROR: " + cp932_text(Msg::LineTooLong) + "\n";

TEST(TemplateImage, LinesUpTo16MiBAreTakenWhateverTheirLineEnd) {
  const std::string full(kTemplateLineLimit, 'x');
  // The file is read in pieces of 1 MiB.  The first line here makes the
  // CR of the long line the last byte of a piece, its LF the first of the
  // next; the second is a last line with no line end.
  for (const std::string& content :
       {std::string((1 << 20) - 2, 'y') + "\n" + full + "\r\n", "ab\n" + full}) {
    const std::string image = image_or_report(content);
    EXPECT_EQ(image.size(), content.size());
    EXPECT_TRUE(image == content);
  }
}

TEST(TemplateImage, ALineAbove16MiBIsRefused) {
  const std::string over(kTemplateLineLimit + 1, 'x');
  // The line of exactly the limit, its end a lone CR and then CR LF: the
  // first CR is part of the line.
  std::string with_cr(kTemplateLineLimit, 'x');
  with_cr.append("\r\r\n");
  for (const std::string& content : {over + "\n", "ab\n" + over, with_cr}) {
    EXPECT_EQ(image_or_report(content), kLineTooLong) << content.size();
  }
}

// A pipe can be read only once: the whole template comes from one reading.
TEST(TemplateImage, ATemplateThatCanBeReadOnlyOnce) {
  char dir[] = "/tmp/scoretext_fifo_XXXXXX";
  ASSERT_NE(::mkdtemp(dir), nullptr);
  const std::string fifo = std::string(dir) + "/def.vsqx";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string content = "<vsq3>\n<nume>3</nume>\n" + std::string(3 << 20, 'z') + "\n</vsq3>\n";
  std::thread writer([&] {
    const int fd = ::open(fifo.c_str(), O_WRONLY);
    if (fd >= 0) {
      write_all(fd, content);
      ::close(fd);
    }
  });
  const std::string image = read_template_image(InputFile(fifo));
  writer.join();
  ::unlink(fifo.c_str());
  ::rmdir(dir);
  EXPECT_TRUE(image == content);
  LineReader lines(image, kTemplateLineUnlimited);
  EXPECT_EQ(read_template_defaults(lines).numerator, 3);
}

}  // namespace
}  // namespace scoretext::vocal
