#pragma once
// MarkupText for a web page (the questions of a Moodle quiz): an HTML fragment in UTF-8 that
// reads as the exported document does, and a plain-text form for where no HTML may go.
//
// How the codes that have no HTML element of their own are written, chosen so that a browser
// shows them with no style sheet and Moodle's HTML cleaning keeps them:
// - "#F": one line, "<sup>numerator</sup>⁄<sub>denominator</sub>" with the fraction slash
//   U+2044, as "¹⁄₂" is set in print; an empty part is left out. The text that follows stays
//   on the same line.
// - "#R": the root sign U+221A, then the argument under a line drawn by
//   `<span style="text-decoration:overline">`.
// - "#T", "\tab" and "#0" to "#9": two em spaces (U+2003) per tab, and the indent of d
//   centimetres as d tabs, as on screen; blanks would collapse in HTML.
// - "#M": its rows between box-drawing vertical lines, "<br>" between rows.
// - "{" and "}" are RTF groups in the document and are not shown; "\{" and "\}" are braces,
//   written "&#123;" and "&#125;" so that no quiz takes them for an answer box. RTF control
//   words other than "\line", "\par", "\tab" and "\uN" show nothing, "\'hh" is the character hh.
// Control characters other than tab and line feed are dropped: XML cannot hold them.

#include <string>
#include <string_view>

// The markup as HTML in UTF-8: "&", "<", ">" and '"' escaped, scripts as <sub> and <sup>,
// "#B", "#I" and "#S" as <b>, <i> and <u>, line breaks as "<br>".
std::string MarkupToHtml(std::string_view markup);

// How the plain-text form writes subscripts and superscripts.
enum class PlainScripts {
    Unicode,  // digits, signs and parentheses as the Unicode script characters: "H₂", "10⁻³"
    Typed,    // as a student types them on a keyboard: "H2", "10-3"
};

// The markup as plain UTF-8 text, every code reduced to its characters: a line break is a
// blank, a fraction "a/b", a root "√(x)".
std::string MarkupToPlainText(std::string_view markup, PlainScripts scripts);
