// The page viewer's two operations: show a GBK page file and print it.
//
// Pages are GBK files (charset gb2312) written by the core; the viewer is a
// QTextBrowser. Window thread only.
#pragma once

#include <QString>

class QTextBrowser;
class QWidget;

namespace nuvelo::platform {

// Shows the page file in `view`, its folder as the base of relative links;
// an unreadable file shows an empty page.
void showPageFile(QTextBrowser* view, const QString& path);

// Prints the page shown in `view` through the print dialog (owned by
// `parent`), at screen resolution so the pages' pixel font sizes stay
// readable on paper. With a non-empty `pdfTarget` (tests) it prints to that
// PDF file without a dialog.
void printPage(QTextBrowser* view, QWidget* parent, const QString& pdfTarget);

}  // namespace nuvelo::platform
