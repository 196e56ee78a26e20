// The embedded fonts and pictures: the three Open Sans faces register for the process,
// every picture decodes at its own size, scaled pictures keep transparent edges, and
// the generated shadow follows its definition.

#include <QFontInfo>
#include <QTest>

#include "ui/resources/image_resources.h"
#include "ui/resources/shadow_image.h"
#include "ui/resources/va_bitmap.h"
#include "ui/resources/va_fonts.h"
#include "ui/resources/va_image.h"

Q_DECLARE_METATYPE(VaImageId)

class ResourcesTest : public QObject {
    Q_OBJECT

  private slots:
    void the_three_faces_register() {
        VaFonts fonts;
        QVERIFY(fonts.LoadFonts());
        QVERIFY(fonts.LoadFonts()); // a second call keeps what the first registered
        for (VaFace face : {VaFace::Regular, VaFace::Semibold, VaFace::Bold}) {
            QVERIFY(fonts.Family(face).startsWith(QLatin1String("Open Sans")));
            const std::optional<QFont> font = fonts.Font(face, 12);
            QVERIFY(font.has_value());
            QCOMPARE(QFontInfo(*font).family(), fonts.Family(face));
        }
        QCOMPARE(fonts.Font(VaFace::Bold, 12)->weight(), QFont::Bold);
        QCOMPARE(fonts.Font(VaFace::Semibold, 13)->weight(), QFont::DemiBold);
        QCOMPARE(fonts.Font(VaFace::Regular, 13)->pointSizeF(), 13.0);
    }

    void faces_not_loaded_give_no_font() {
        const VaFonts unloaded;
        QVERIFY(!unloaded.Font(VaFace::Regular, 12).has_value());
    }

    void pictures_data() {
        QTest::addColumn<VaImageId>("id");
        QTest::addColumn<QSize>("size");
        QTest::newRow("print logo 131") << VaImageId::PrintLogo << QSize(200, 200);
        QTest::newRow("logo 132") << VaImageId::Logo << QSize(256, 256);
        QTest::newRow("shadow 133") << VaImageId::Shadow << QSize(168, 168);
        QTest::newRow("caption icon 134") << VaImageId::CaptionIcon << QSize(128, 128);
        QTest::newRow("informs 139") << VaImageId::Informs << QSize(256, 256);
        QTest::newRow("asks 140 is wider") << VaImageId::Asks << QSize(270, 256);
        QTest::newRow("warns 141 is wider") << VaImageId::Warns << QSize(270, 256);
        QTest::newRow("stops 142") << VaImageId::Stops << QSize(256, 256);
        QTest::newRow("printing 143") << VaImageId::Printing << QSize(256, 256);
        QTest::newRow("memory Free 144") << VaImageId::MemoryFree << QSize(64, 64);
        QTest::newRow("memory Save 145") << VaImageId::MemorySave << QSize(64, 64);
        QTest::newRow("memory Statistics 146") << VaImageId::MemoryStatistics << QSize(64, 64);
        QTest::newRow("memory Invert 147") << VaImageId::MemoryInvert << QSize(64, 64);
        QTest::newRow("memory Clear 148") << VaImageId::MemoryClear << QSize(64, 64);
    }

    void pictures() {
        QFETCH(VaImageId, id);
        QFETCH(QSize, size);
        VaBitmap bitmap;
        QVERIFY(bitmap.LoadPng(id));
        QCOMPARE(bitmap.Picture().size(), size);
        // Something is drawn, and the corner is left clear.
        int ink = 0;
        for (int y = 0; y < size.height(); y += 4)
            for (int x = 0; x < size.width(); x += 4)
                ink += qAlpha(bitmap.Picture().pixel(x, y)) > 0 ? 1 : 0;
        QVERIFY(ink > 0);
        QCOMPARE(qAlpha(bitmap.Picture().pixel(0, 0)), 0);
    }

    void scaled_pictures_keep_transparent_edges_data() {
        QTest::addColumn<VaImageId>("id");
        QTest::newRow("generated shadow, scaled down") << VaImageId::Shadow;
        QTest::newRow("drawing, scaled up") << VaImageId::Logo;
    }

    void scaled_pictures_keep_transparent_edges() {
        QFETCH(VaImageId, id);
        for (QSize size : {QSize(84, 84), QSize(300, 300)}) {
            VaImage image;
            QVERIFY(image.LoadPngScaled(id, size.width(), size.height()));
            const QImage& picture = image.Picture();
            QCOMPARE(picture.size(), size);
            QCOMPARE(picture.format(), QImage::Format_ARGB32_Premultiplied);
            for (QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                                  QPoint(size.width() - 1, size.height() - 1)})
                QCOMPARE(qAlpha(picture.pixel(corner)), 0);
        }
    }

    void scaled_picture_at_twice_the_pixels() {
        VaImage image;
        QVERIFY(image.LoadPngScaled(VaImageId::Informs, 156, 156, 2.0));
        QCOMPARE(image.Picture().size(), QSize(312, 312));
        QCOMPARE(image.Picture().devicePixelRatio(), 2.0);
    }

    void a_failed_load_leaves_no_stale_picture() {
        VaBitmap bitmap;
        QVERIFY(bitmap.LoadPng(VaImageId::Logo));
        QVERIFY(!bitmap.LoadPng(static_cast<VaImageId>(999)));
        QVERIFY(!bitmap.Holds());
        VaImage image;
        QVERIFY(!image.LoadPngScaled(static_cast<VaImageId>(999), 10, 10));
        QCOMPARE(image.Picture().size(), QSize(10, 10)); // the empty picture stays held
        QCOMPARE(qAlpha(image.Picture().pixel(5, 5)), 0);
    }

    void shadow_follows_its_definition() {
        const QImage shadow = MakeShadowImage();
        QCOMPARE(shadow.size(), QSize(168, 168));
        QCOMPARE(qAlpha(shadow.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(shadow.pixel(84, 0)), 0);
        for (int middle = 82; middle < 86; ++middle)
            QCOMPARE(qAlpha(shadow.pixel(middle, middle)), 75);
        // Black everywhere; the alpha rises steadily across the border.
        int previous = -1;
        for (int x = 0; x <= 84; ++x) {
            const QRgb pixel = shadow.pixel(x, 84);
            QCOMPARE(qRed(pixel) | qGreen(pixel) | qBlue(pixel), 0);
            QVERIFY(qAlpha(pixel) >= previous);
            previous = qAlpha(pixel);
        }
        QCOMPARE(ShadowAlphaAt(0), 75);
        QCOMPARE(ShadowAlphaAt(82), 0);
        QCOMPARE(ShadowAlphaAt(41), 38);
        // The corner fades along circles: equal distances, equal alpha.
        QCOMPARE(qAlpha(shadow.pixel(40, 84)), qAlpha(shadow.pixel(84, 40)));
    }

    void the_built_shadow_is_the_generated_one() {
        VaBitmap bitmap;
        QVERIFY(bitmap.LoadPng(VaImageId::Shadow));
        QCOMPARE(bitmap.Picture().convertToFormat(QImage::Format_ARGB32), MakeShadowImage());
    }
};

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
