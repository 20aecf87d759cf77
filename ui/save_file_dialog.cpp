#include "save_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// "png" of "Immagini PNG (*.png)".
QString EndingOf(const QString& filter)
{
    static const QRegularExpression ending(QStringLiteral(R"(\*\.(\w+))"));
    return ending.match(filter).captured(1);
}

} // namespace

SaveFileAnswer AskSaveFileName(QWidget* owner, const SaveFileQuestion& question)
{
    QFileDialog dialog(owner, question.title, question.proposed, question.filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(EndingOf(question.filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(EndingOf(filter)); });
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return {dialog.selectedFiles().value(0), dialog.selectedNameFilter()};
}

QString PathOfChosenType(const SaveFileAnswer& answer, const QStringList& offered)
{
    const QString chosen = EndingOf(answer.filter);
    const QString ending = QFileInfo(answer.path).suffix();
    if (chosen.isEmpty() || ending.compare(chosen, Qt::CaseInsensitive) == 0) {
        return answer.path;
    }
    const auto isEnding = [&ending](const QString& filter) {
        return EndingOf(filter).compare(ending, Qt::CaseInsensitive) == 0;
    };
    const bool offeredEnding = !ending.isEmpty() && std::any_of(offered.begin(), offered.end(), isEnding);
    const QString stem = offeredEnding ? answer.path.chopped(ending.size() + 1) : answer.path;
    return stem + QLatin1Char('.') + chosen;
}

QString SaveFolder(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    return QDir(folder).exists() ? folder : QDir::homePath();
}
