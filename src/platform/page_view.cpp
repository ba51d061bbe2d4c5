#include "platform/page_view.h"

#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QUrl>

#include "platform/gbk_qstring.h"

namespace nuvelo::platform {

void showPageFile(QTextBrowser* view, const QString& path) {
    if (!view) return;
    QFile file(path);
    QString html;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        html = fromGbk(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    const QString folder = QFileInfo(path).absolutePath();
    view->setSearchPaths({folder});
    view->document()->setBaseUrl(QUrl::fromLocalFile(folder + QLatin1Char('/')));
    view->setHtml(html);
    view->document()->setDocumentMargin(0);
}

void printPage(QTextBrowser* view, QWidget* parent, const QString& pdfTarget) {
    if (!view) return;
    QPrinter printer(QPrinter::ScreenResolution);
    if (!pdfTarget.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfTarget);
        view->print(&printer);
        return;
    }
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted) view->print(&printer);
}

}  // namespace nuvelo::platform
