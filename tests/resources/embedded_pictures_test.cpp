// The pictures reach the program through its own resources, whatever folder it
// runs from: linked in with the window classes, at the sizes the window uses.

#include <QImage>
#include <QTest>

class EmbeddedPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void pictureIsEmbeddedWithAlpha_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("Zoek") << QStringLiteral(":/icons/zoek.png") << 48;
    QTest::newRow("Stop") << QStringLiteral(":/icons/stop.png") << 48;
    QTest::newRow("Resultaten") << QStringLiteral(":/icons/resultaten.png") << 48;
    QTest::newRow("Info") << QStringLiteral(":/icons/info.png") << 48;
    QTest::newRow("program") << QStringLiteral(":/icons/paarvinder.png") << 48;
    QTest::newRow("window") << QStringLiteral(":/icons/window.png") << 64;
  }

  void pictureIsEmbeddedWithAlpha() {
    QFETCH(QString, path);
    QFETCH(int, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    // Transparent in the corner and mostly opaque: a drawn picture, not a blank.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    int opaque = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    }
    QVERIFY2(opaque > size * size / 3, qPrintable(QString::number(opaque)));
  }
};

QTEST_GUILESS_MAIN(EmbeddedPicturesTest)
#include "embedded_pictures_test.moc"
