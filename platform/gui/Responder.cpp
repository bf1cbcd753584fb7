#include "platform/gui/Responder.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>
#include <map>

#include "platform/gui/Application.h"
#include "platform/gui/CommonDialog.h"
#include "platform/gui/Form.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/GuiInternal.h"
#include "platform/gui/Menu.h"
#include "platform/gui/MenuInternal.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarWindow.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"

namespace Platform {

namespace {

std::shared_ptr<Responder>& Installed() {
  static std::shared_ptr<Responder> responder;
  return responder;
}

QMessageBox::Icon IconOf(int buttons) {
  switch (buttons & MsgBoxStyles::IconMask) {
    case MsgBoxStyles::Critical: return QMessageBox::Critical;
    case MsgBoxStyles::Question: return QMessageBox::Question;
    case MsgBoxStyles::Exclamation: return QMessageBox::Warning;
    case MsgBoxStyles::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

struct ButtonChoice {
  QMessageBox::StandardButton button;
  int result;
};

std::vector<ButtonChoice> ButtonsOf(int buttons) {
  using B = QMessageBox;
  switch (buttons & MsgBoxStyles::ButtonsMask) {
    case MsgBoxStyles::OKCancel:
      return {{B::Ok, MsgBoxResults::OK}, {B::Cancel, MsgBoxResults::Cancel}};
    case MsgBoxStyles::AbortRetryIgnore:
      return {{B::Abort, MsgBoxResults::Abort},
              {B::Retry, MsgBoxResults::Retry},
              {B::Ignore, MsgBoxResults::Ignore}};
    case MsgBoxStyles::YesNoCancel:
      return {{B::Yes, MsgBoxResults::Yes},
              {B::No, MsgBoxResults::No},
              {B::Cancel, MsgBoxResults::Cancel}};
    case MsgBoxStyles::YesNo: return {{B::Yes, MsgBoxResults::Yes}, {B::No, MsgBoxResults::No}};
    case MsgBoxStyles::RetryCancel:
      return {{B::Retry, MsgBoxResults::Retry}, {B::Cancel, MsgBoxResults::Cancel}};
    default: return {{B::Ok, MsgBoxResults::OK}};
  }
}

// "Text (*.txt)|*.txt|All|*.*" as Qt's list of name filters.
QStringList NameFilters(const std::string& filter) {
  QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString patterns = parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('(')))
      result << description;
    else
      result << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return result;
}

QWidget* DialogParent() {
  return QApplication::activeWindow();
}

}  // namespace

Responder::~Responder() = default;

Responder& CurrentResponder() {
  static DesktopResponder desktop;
  return Installed() ? *Installed() : desktop;
}

std::shared_ptr<Responder> SetResponder(std::shared_ptr<Responder> responder) {
  auto previous = std::move(Installed());
  Installed() = std::move(responder);
  return previous;
}

int DesktopResponder::MessageBox(const std::string& prompt, int buttons, const std::string& title) {
  EnsureApplication();
  QMessageBox box(IconOf(buttons), ToQString(title), ToQString(prompt), QMessageBox::NoButton,
                  DialogParent());
  const auto choices = ButtonsOf(buttons);
  for (const auto& choice : choices) box.addButton(choice.button);
  const size_t preferred = static_cast<size_t>((buttons & MsgBoxStyles::DefaultMask) / 256);
  box.setDefaultButton(choices[preferred < choices.size() ? preferred : 0].button);
  box.exec();
  const auto clicked = box.standardButton(box.clickedButton());
  for (const auto& choice : choices)
    if (choice.button == clicked) return choice.result;
  // Closed without a button: the cancel of the box, or its only button.
  for (const auto& choice : choices)
    if (choice.result == MsgBoxResults::Cancel) return choice.result;
  return choices.back().result;
}

void DesktopResponder::RunModal(Form& form) {
  if (!form.IsLoaded() || !form.Visible()) return;
  QEventLoop loop;
  form.Window().modalLoop = &loop;
  loop.exec();
  form.Window().modalLoop = nullptr;
}

std::optional<std::string> DesktopResponder::SaveFile(FileDialogRequest& request) {
  EnsureApplication();
  QFileDialog dialog(DialogParent(), ToQString(request.Title), ToQString(request.InitDir));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if ((request.Flags & FileFlags::OverwritePrompt) == 0)
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = NameFilters(request.Filter);
  // A name typed without an extension takes that of the file type chosen, in
  // the dialog already, so that it asks before overwriting the file meant.
  const auto suffixOf = [&request](int index) {
    return request.DefaultExt.empty()
               ? QString()
               : ToQString(SaveExtension(request.Filter, index, request.DefaultExt));
  };
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = request.FilterIndex >= 1 && request.FilterIndex <= filters.size()
                          ? request.FilterIndex - 1
                          : 0;
    dialog.selectNameFilter(filters[index]);
    dialog.setDefaultSuffix(suffixOf(index + 1));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, &filters, &suffixOf](const QString& filter) {
          dialog.setDefaultSuffix(suffixOf(static_cast<int>(filters.indexOf(filter)) + 1));
        });
  } else if (!request.DefaultExt.empty()) {
    dialog.setDefaultSuffix(suffixOf(1));
  }
  if (!request.FileName.empty()) dialog.selectFile(ToQString(request.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  if (const auto chosen = filters.indexOf(dialog.selectedNameFilter()); chosen >= 0)
    request.FilterIndex = static_cast<int>(chosen) + 1;
  return FromQString(dialog.selectedFiles().first());
}

bool DesktopResponder::PrinterSetup(PrinterRequest& request) {
  EnsureApplication();
  QPrinter printer;
  if (!request.PrinterName.empty()) printer.setPrinterName(ToQString(request.PrinterName));
  printer.setCopyCount(request.Copies);
  if (!request.OutputFileName.empty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(ToQString(request.OutputFileName));
  }
  printer.setPageOrientation(request.Orientation == PrinterOrientations::Landscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return false;
  request.PrinterName = FromQString(printer.printerName());
  request.Copies = printer.copyCount();
  request.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape
                            ? PrinterOrientations::Landscape
                            : PrinterOrientations::Portrait;
  request.FromPage = printer.fromPage();
  request.ToPage = printer.toPage();
  request.OutputFileName =
      printer.outputFormat() == QPrinter::PdfFormat ? FromQString(printer.outputFileName()) : "";
  return true;
}

std::string DesktopResponder::BrowseForFolder(const std::string& title) {
  EnsureApplication();
  QString folder = QFileDialog::getExistingDirectory(DialogParent(), ToQString(title));
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  return FromQString(folder);
}

bool DesktopResponder::OpenDocument(const std::string& target) {
  EnsureApplication();
  const QString text = ToQString(target);
  const QUrl url =
      text.contains(QStringLiteral("://")) || text.startsWith(QStringLiteral("mailto:"))
          ? QUrl(text)
          : QUrl::fromLocalFile(text);
  return QDesktopServices::openUrl(url);
}

Menu* DesktopResponder::PopupMenu(Menu& menu, int screenX, int screenY) {
  if (menu.Items().empty()) return nullptr;
  EnsureApplication();
  QMenu popup;
  std::map<QAction*, Menu*> items;
  Gui::FillPopup(popup, menu, items);
  const auto found = items.find(popup.exec(QPoint(screenX, screenY)));
  return found == items.end() ? nullptr : found->second;
}

std::shared_ptr<Tool> DesktopResponder::PopupToolMenu(ToolMenu& menu, int screenX, int screenY) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
  QMenu popup;
  std::map<QAction*, std::shared_ptr<Tool>> tools;
  FillToolMenu(popup, *menu.Tools(),
               [&](QAction& action, const std::shared_ptr<Tool>& tool) { tools[&action] = tool; });
  QAction* chosen = popup.exec(QPoint(screenX, screenY));
  const auto found = tools.find(chosen);
  return found == tools.end() ? nullptr : found->second;
}

}  // namespace Platform
