#include "save_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace {

// "png" of "Immagini PNG (*.png)".
QString EndingOf(const QString& filter)
{
    static const QRegularExpression ending(QStringLiteral(R"(\*\.(\w+))"));
    return ending.match(filter).captured(1);
}

} // namespace

QString AskSaveFileName(QWidget* owner, const SaveFileQuestion& question)
{
    QFileDialog dialog(owner, question.title, question.proposed, question.filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(EndingOf(question.filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(EndingOf(filter)); });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString SaveFolder(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    return QDir(folder).exists() ? folder : QDir::homePath();
}
