// Windows-1252 decoding and encoding, line splitting, and the league file
// reader and writer. Every byte decodes to one character and encodes back to
// itself; a text that encodes decodes back to the same text; a line-up of
// lines joined and split again is the same list.
#include "app/pelerror.h"
#include "app/textfile.h"
#include "fuzzsupport.h"

namespace {

void checkEncodesBack(const QString &text)
{
    QByteArray bytes;
    try {
        bytes = textfile::encode(text, QStringLiteral("f.txt"));
    } catch (const PelError &) {
        return; // refused: a character the code page cannot hold
    }
    FUZZ_CHECK(textfile::decode(bytes) == text, QStringLiteral("encoded %1 decodes as %2")
                                                    .arg(quoted(text), quoted(textfile::decode(bytes))));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = inputBytes(data, size);

    // Bytes to text and back.
    const QString text = textfile::decode(bytes);
    FUZZ_CHECK(text.size() == bytes.size(), quoted(text));
    QByteArray again;
    try {
        again = textfile::encode(text, QStringLiteral("f.txt"));
    } catch (const PelError &e) {
        fuzzFail("decoded text encodes", e.message());
    }
    FUZZ_CHECK(again == bytes, QStringLiteral("%1 encodes back as %2").arg(QString::fromLatin1(bytes.toHex()),
                                                                            QString::fromLatin1(again.toHex())));

    // Any text, also one holding half of a surrogate pair.
    checkEncodesBack(QString::fromUtf8(bytes));
    checkEncodesBack(QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2));

    // Lines: no line holds a line end, and joining and splitting gives them back.
    const QStringList lines = textfile::splitLines(text);
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'), quoted(line));
    FUZZ_CHECK(textfile::splitLines(textfile::joinLines(lines)) == lines, quoted(lines));

    // The reader over a real file: the lines of the text, or a refusal.
    const QString path = putFile(QStringLiteral("read.txt"), bytes);
    try {
        const QStringList read = textfile::readLines(path);
        FUZZ_CHECK(read == lines, quoted(read));
        for (const QString &line : read)
            FUZZ_CHECK(line.size() <= textfile::MaxLineLength, quoted(line));
    } catch (const PelError &) {
    }

    // The writer: the file holds exactly the bytes, replacing what was there.
    const QString written = fuzzDir() + QStringLiteral("/written.txt");
    textfile::writeFile(written, bytes);
    FUZZ_CHECK(fileBytes(written) == bytes, written);
    return 0;
}
