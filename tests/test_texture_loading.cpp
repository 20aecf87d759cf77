#include "bitmap_samples.h"
#include "bmp_writer.h"
#include "message_recorder.h"
#include "ogl_module.h"
#include "texture_loader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <array>

namespace {

constexpr int kMaxSide = 1024;

// The texture files the program's folder holds, in load order, with the
// texture slot each one goes to.
struct ExpectedFile {
    const char* name;
    int slot;
};
constexpr std::array<ExpectedFile, 14> kExpectedFiles{{
    {"Flare.bmp", 0},
    {"Sun.bmp", 1},
    {"Mercury.bmp", 2},
    {"Venus2.bmp", 3},
    {"Earth.bmp", 4},
    {"Moon.bmp", 5},
    {"Cloud.bmp", 12},
    {"Mhalo.bmp", 14},
    {"Mars.bmp", 6},
    {"Jupiter.bmp", 7},
    {"Saturnus.bmp", 8},
    {"Uranus.bmp", 9},
    {"Neptunus.bmp", 10},
    {"Pluto.bmp", 11},
}};

// One upload as the loop handed it over.
struct Upload {
    int slot;
    std::vector<std::uint8_t> pixels;
};

// Each texture gets its own picture: 24-bit and 8-bit files alternate and
// the sizes vary, so a file delivered to the wrong slot shows.
QImage PictureFor(std::size_t index)
{
    const int width = 2 + static_cast<int>(index % 5);
    const int height = 1 + static_cast<int>(index % 3);
    return index % 2 == 0 ? SampleTrueColourImage(width, height, static_cast<int>(index) * 11)
                          : SampleIndexedImage(width, height, 3 + static_cast<int>(index));
}

QByteArray FileFor(std::size_t index)
{
    return EncodeBmp(PictureFor(index));
}

std::size_t IndexOf(const char* name)
{
    const auto found = std::find_if(kExpectedFiles.begin(), kExpectedFiles.end(),
                                    [name](const ExpectedFile& file) { return qstrcmp(file.name, name) == 0; });
    return static_cast<std::size_t>(found - kExpectedFiles.begin());
}

// A temporary folder holding all fourteen texture files.
class TextureFolder {
public:
    TextureFolder()
    {
        for (std::size_t i = 0; i < kExpectedFiles.size(); ++i) {
            Write(kExpectedFiles[i].name, FileFor(i));
        }
    }

    QString path() const { return dir_.path(); }
    QString FilePath(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    void Write(const char* name, const QByteArray& data) const
    {
        QFile file(FilePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(data), data.size());
    }

    void Remove(const char* name) const { QVERIFY(QFile::remove(FilePath(name))); }

private:
    QTemporaryDir dir_;
};

std::vector<Upload> LoadRecordingUploads(const TextureFolder& folder, bool& loaded, int maxSide = kMaxSide)
{
    std::vector<Upload> uploads;
    loaded = LoadTextureFiles(folder.path(), maxSide, [&uploads](int slot, const TextureBitmap& bitmap) {
        uploads.push_back({slot, bitmap.pixels});
    });
    return uploads;
}

// Checks that the uploads are the first `count` files of the table, in order,
// each into its slot with its own pixels.
void VerifyFirstUploads(const std::vector<Upload>& uploads, std::size_t count)
{
    QCOMPARE(uploads.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        QCOMPARE(uploads[i].slot, kExpectedFiles[i].slot);
        const std::optional<TextureBitmap> expected = DecodeBitmap(ToBytes(FileFor(i)), kMaxSide);
        QVERIFY(expected);
        QVERIFY2(uploads[i].pixels == expected->pixels, kExpectedFiles[i].name);
    }
}

QString FailureMessage(const QString& path)
{
    return QStringLiteral("Loading Texture File: '") + path + QStringLiteral("' Failed!");
}

// The view's window and context for the duration of a test, with the
// texture names generated as the set-up does.
class ViewContext {
public:
    ViewContext()
    {
        window_.setSurfaceType(QSurface::OpenGLSurface);
        window_.setFormat(OGLModule::ViewSurfaceFormat());
        window_.create();
        OGLModule::ViewDC = &window_;
        auto context = std::make_unique<QOpenGLContext>();
        context->setFormat(OGLModule::ViewSurfaceFormat());
        const bool created = context->create();
        resources_.Adopt(std::move(context), nullptr);
        if (created && OGLModule::MakeViewCurrent()) {
            glGenTextures(OGLModule::kTextureSlotCount, OGLModule::TextureNames.data());
            ready_ = true;
        }
    }
    ~ViewContext()
    {
        if (ready_ && OGLModule::MakeViewCurrent()) {
            glDeleteTextures(OGLModule::kTextureSlotCount, OGLModule::TextureNames.data());
        }
        OGLModule::TextureNames = {};
        resources_.ReleaseContext();
        OGLModule::ViewDC = nullptr;
    }
    ViewContext(const ViewContext&) = delete;
    ViewContext& operator=(const ViewContext&) = delete;

    bool ready() const { return ready_; }

private:
    QWindow window_;
    OGLModule::GLResources resources_;
    bool ready_ = false;
};

GLint TextureLevelParameter(int slot, GLenum name)
{
    GLint value = -1;
    glBindTexture(GL_TEXTURE_2D, OGLModule::TextureNames.at(static_cast<std::size_t>(slot)));
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
    return value;
}

// Reads the slot's texture back in the layout it was uploaded in.
std::vector<std::uint8_t> TexturePixels(int slot, const TextureBitmap& like)
{
    std::vector<std::uint8_t> pixels(like.pixels.size(), 0xAB);
    glBindTexture(GL_TEXTURE_2D, OGLModule::TextureNames.at(static_cast<std::size_t>(slot)));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGR, GL_UNSIGNED_BYTE, pixels.data());
    // Padding is not written back; compare the pixels of each row only.
    const std::size_t stride = pixels.size() / static_cast<std::size_t>(like.height);
    const std::size_t used = static_cast<std::size_t>(like.width) * 3;
    for (std::size_t row = 0; row < static_cast<std::size_t>(like.height); ++row) {
        std::fill(pixels.begin() + static_cast<std::ptrdiff_t>(row * stride + used),
                  pixels.begin() + static_cast<std::ptrdiff_t>((row + 1) * stride), 0);
    }
    return pixels;
}

} // namespace

class TextureLoadingTest : public QObject {
    Q_OBJECT

private slots:
    void loadsAllFilesInOrder()
    {
        const TextureFolder folder;
        const MessageRecorder recorder;
        bool loaded = false;
        const std::vector<Upload> uploads = LoadRecordingUploads(folder, loaded);
        QVERIFY(loaded);
        QVERIFY(recorder.messages.isEmpty());
        VerifyFirstUploads(uploads, kExpectedFiles.size());
    }

    void stopsAtTheFirstFailure_data()
    {
        QTest::addColumn<QByteArray>("failing");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("maxSide");
        const QByteArray valid = FileFor(0);
        QTest::newRow("Cloud missing") << QByteArray("Cloud.bmp") << true << QByteArray() << kMaxSide;
        QTest::newRow("Jupiter truncated") << QByteArray("Jupiter.bmp") << false << valid.chopped(1) << kMaxSide;
        QTest::newRow("Flare empty") << QByteArray("Flare.bmp") << false << QByteArray() << kMaxSide;
        QTest::newRow("Pluto not a bitmap") << QByteArray("Pluto.bmp") << false << QByteArray(64, 'x') << kMaxSide;
        // Flare is 2 x 1 and fits; Sun is 3 x 2 and does not.
        QTest::newRow("Sun larger than the limit") << QByteArray("Sun.bmp") << false << FileFor(IndexOf("Sun.bmp")) << 2;
    }

    void stopsAtTheFirstFailure()
    {
        QFETCH(QByteArray, failing);
        QFETCH(bool, missing);
        QFETCH(QByteArray, contents);
        QFETCH(int, maxSide);
        const TextureFolder folder;
        if (missing) {
            folder.Remove(failing.constData());
        } else {
            folder.Write(failing.constData(), contents);
        }
        // Every later file is broken too: a loop that went on would report
        // them as well.
        const std::size_t failed = IndexOf(failing.constData());
        for (std::size_t i = failed + 1; i < kExpectedFiles.size(); ++i) {
            folder.Write(kExpectedFiles[i].name, QByteArray("broken"));
        }

        const MessageRecorder recorder;
        bool loaded = true;
        const std::vector<Upload> uploads = LoadRecordingUploads(folder, loaded, maxSide);
        QVERIFY(!loaded);
        QCOMPARE(recorder.messages, QStringList{FailureMessage(folder.path() + QStringLiteral("/") + QString::fromLatin1(failing))});
        VerifyFirstUploads(uploads, failed);
    }

    void uploadsIntoTextureNames()
    {
        const ViewContext view;
        if (!view.ready()) {
            QSKIP("no OpenGL context available");
        }
        const TextureFolder folder;
        const MessageRecorder recorder;
        QVERIFY(LoadTextureFiles(folder.path()));
        QVERIFY(recorder.messages.isEmpty());

        QVERIFY(OGLModule::MakeViewCurrent());
        for (std::size_t i = 0; i < kExpectedFiles.size(); ++i) {
            const int slot = kExpectedFiles[i].slot;
            const QImage picture = PictureFor(i);
            QCOMPARE(TextureLevelParameter(slot, GL_TEXTURE_WIDTH), picture.width());
            QCOMPARE(TextureLevelParameter(slot, GL_TEXTURE_HEIGHT), picture.height());
            for (const GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
                GLint value = 0;
                glGetTexParameteriv(GL_TEXTURE_2D, filter, &value);
                QCOMPARE(value, GL_LINEAR);
            }

            const std::optional<TextureBitmap> expected = DecodeBitmap(ToBytes(FileFor(i)), kMaxSide);
            QVERIFY(expected);
            QVERIFY2(TexturePixels(slot, *expected) == expected->pixels, kExpectedFiles[i].name);
        }
        QCOMPARE(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    void keepsTexturesLoadedBeforeAFailure()
    {
        const ViewContext view;
        if (!view.ready()) {
            QSKIP("no OpenGL context available");
        }
        const TextureFolder folder;
        folder.Remove("Cloud.bmp");
        const MessageRecorder recorder;
        QVERIFY(!LoadTextureFiles(folder.path()));
        QCOMPARE(recorder.messages, QStringList{FailureMessage(folder.FilePath("Cloud.bmp"))});

        QVERIFY(OGLModule::MakeViewCurrent());
        const std::size_t moon = IndexOf("Moon.bmp");
        QCOMPARE(TextureLevelParameter(kExpectedFiles[moon].slot, GL_TEXTURE_WIDTH), PictureFor(moon).width());
        QCOMPARE(TextureLevelParameter(kExpectedFiles[IndexOf("Mhalo.bmp")].slot, GL_TEXTURE_WIDTH), 0);
        QCOMPARE(TextureLevelParameter(kExpectedFiles[IndexOf("Mars.bmp")].slot, GL_TEXTURE_WIDTH), 0);
    }
};

QTEST_MAIN(TextureLoadingTest)
#include "test_texture_loading.moc"
