#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/gui/Clipboard.h"
#include "platform/gui/QtBridge.h"

using namespace Platform;

TEST(Clipboard, HoldsTextRichTextAndAPictureSideBySide) {
  Clipboard::Clear();
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::Text));
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::RichText));
  EXPECT_EQ(Clipboard::GetText(), "");

  const std::string rtf = "{\\rtf1\\ansi Line 1\\par}";
  Clipboard::SetText("Line 1\tCaf\xE9");
  Clipboard::SetText(rtf, ClipboardFormat::RichText);
  EXPECT_TRUE(Clipboard::GetFormat(ClipboardFormat::Text));
  EXPECT_TRUE(Clipboard::GetFormat(ClipboardFormat::RichText));
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::Bitmap));
  EXPECT_EQ(Clipboard::GetText(), "Line 1\tCaf\xE9");
  EXPECT_EQ(Clipboard::GetText(ClipboardFormat::RichText), rtf);

  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(qRgb(10, 20, 30));
  Clipboard::SetData(PictureOf(image));
  EXPECT_TRUE(Clipboard::GetFormat(ClipboardFormat::Bitmap));
  EXPECT_EQ(Clipboard::GetData().PixelAt(2, 1), RGB(10, 20, 30));
  EXPECT_EQ(Clipboard::GetText(ClipboardFormat::RichText), rtf);

  Clipboard::Clear();
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::Bitmap));
  EXPECT_TRUE(Clipboard::GetData().IsEmpty());
  Clipboard::SetText("plain only");
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::RichText));
  EXPECT_EQ(Clipboard::GetText(ClipboardFormat::RichText), "");

  // Without a Clear, a Set adds to what the program put there only while that
  // is what the clipboard holds.
  Clipboard::SetText(rtf, ClipboardFormat::RichText);
  EXPECT_EQ(Clipboard::GetText(), "plain only");
  QGuiApplication::clipboard()->setText(QStringLiteral("another program's"));
  Clipboard::SetText(rtf, ClipboardFormat::RichText);
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::Text));
  EXPECT_EQ(Clipboard::GetText(ClipboardFormat::RichText), rtf);

  // A Clear that no Set follows empties the desktop's clipboard once the event
  // loop turns.
  Clipboard::Clear();
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::RichText));
  QCoreApplication::processEvents();
  const QMimeData* desktop = QGuiApplication::clipboard()->mimeData();
  EXPECT_TRUE(desktop == nullptr || desktop->formats().isEmpty());
}
