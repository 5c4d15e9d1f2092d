#pragma once
// The RTF document writer: one document open at a time, written through a temporary file
// that takes the document's name only when EndRtfDocument succeeds, and the conversion of
// MarkupText into RTF.
//
// The document takes what it is given whole: a converted line is longer than its markup
// (a subscript alone adds seven characters), and what a teacher made must reach the paper.
// The parts that the writer returns (MarkupToRtf, RtfBold and the others) are at most 255
// characters. A longer one is cut where no control word, escape or Unicode character is
// split, and the groups that the cut leaves open are closed within the 255.
//
// File failures are not thrown: BeginRtfDocument and EndRtfDocument return false and
// RtfDocumentError() names the first cause in Spanish; writes after a failure are dropped.

#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t kRtfTextMax = 255;

// Creates the document (its temporary file) and writes the header and font table.
bool BeginRtfDocument(const std::string& path);
void WriteRtf(std::string_view rtf);
void WriteRtfLine(std::string_view rtf);  // the text, then "\line "
// The markup converted as MarkupToRtf converts it, but neither the markup nor the RTF cut,
// then "\line ".
void WriteMarkupLine(std::string_view markup);
void WriteRtfLineBreak();
// Closes the document group and puts the file in place under its name.
bool EndRtfDocument();
// The cause of the last failed document, in Spanish.
const std::string& RtfDocumentError();
// The same document made in memory instead of a file, for documents that are all written
// only once every one of them could be made: the writes go to a text that EndRtfInMemory
// returns whole (header and closing brace included).
void BeginRtfInMemory();
std::string EndRtfInMemory();

std::string RtfBold(std::string_view text);
std::string MarkupToRtf(std::string_view markup);
std::string RtfFraction(std::string_view argument);
std::string RtfRoot(std::string_view argument);
std::string RtfRows(std::string_view argument);
// The length in twips, rounded to the nearest (halves to even), as decimal digits.
std::string CmToTwips(double cm);

// The longest start of the RTF text that fits `max` without splitting a control word or an
// escape, with the groups it leaves open closed; the text itself when it fits.
std::string CutRtf(std::string_view rtf, std::size_t max);
