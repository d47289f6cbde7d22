// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Render.h"

#include "DrawLuna.h"
#include "PainterSurface.h"
#include "PhasePicture.h"
#include "PhaseTexts.h"
#include "PictureGeometry.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <array>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace luna {

namespace {

[[noreturn]] void failToWrite(const QString& path, const QString& why)
{
    throw WriteError(QCoreApplication::translate("luna-render", "impossibile scrivere «%1»: %2").arg(path, why).toStdString());
}

// An SVG picture of `size` into `file`, painted by `paint`.
template<typename Paint>
void writeSvgWith(QSaveFile& file, QSize size, const Paint& paint)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Luna"));
    QPainter painter(&svg);
    paint(painter);
}

void writeSvg(QSaveFile& file, double angle, QSize size, const QColor& background, double turn)
{
    writeSvgWith(file, size, [&](QPainter& painter) {
        if (background.alpha() != 0)
            painter.fillRect(QRect(QPoint(0, 0), size), background);
        drawTurnedPhase(painter, angle, size, turn);
    });
}

} // namespace

QImage renderPhase(double angle, QSize size, const QColor& background, double turn)
{
    // Drawn and shown as the window draws and shows it, so that the two
    // agree pixel for pixel. An opaque picture needs no alpha channel, which
    // makes its PNG smaller and quicker to write.
    const QImage picture = drawnPicture(angle, size, 1, turn);
    QImage image(size, background.alpha() == 255 ? QImage::Format_RGB32
                                                 : QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull() || image.isNull())
        throw WriteError(QCoreApplication::translate("luna-render", "memoria insufficiente per un'immagine %1x%2")
                             .arg(size.width())
                             .arg(size.height())
                             .toStdString());
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        showPicture(painter, image.rect(), picture, background);
    }
    return image;
}

void writePhase(const QString& path, PictureFormat format, double angle, QSize size,
                const QColor& background, double turn)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failToWrite(path, file.errorString());
    if (format == PictureFormat::Png) {
        QImage image = renderPhase(angle, size, background, turn);
        // The Moon is black, white and their blends with the background; over
        // an opaque grey every pixel is grey, and a grey PNG holds it exactly
        // in a third of the data, written in half the time.
        if (background.alpha() == 255 && background.red() == background.green()
            && background.green() == background.blue())
            image.convertTo(QImage::Format_Grayscale8);
        if (!image.save(&file, "PNG"))
            failToWrite(path, file.errorString());
    } else {
        writeSvg(file, angle, size, background, turn);
    }
    if (!file.commit())
        failToWrite(path, file.errorString());
}

void writeFace(const QString& path, PictureFormat format, const QImage& map, const FaceView& view,
               QSize size, const QColor& background, double turn)
{
    const QImage face = drawMoonFace(map, size, background, view, turn);
    if (face.isNull())
        throw WriteError(QCoreApplication::translate("luna-render", "memoria insufficiente per un'immagine %1x%2")
                             .arg(size.width())
                             .arg(size.height())
                             .toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failToWrite(path, file.errorString());
    if (format == PictureFormat::Png) {
        if (!face.save(&file, "PNG"))
            failToWrite(path, file.errorString());
    } else {
        writeSvgWith(file, size, [&](QPainter& painter) { painter.drawImage(QPoint(0, 0), face); });
    }
    if (!file.commit())
        failToWrite(path, file.errorString());
}

void writePainted(const QString& path, PictureFormat format, QSize size,
                  const std::function<void(QPainter&)>& paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failToWrite(path, file.errorString());
    if (format == PictureFormat::Png) {
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull())
            throw WriteError(QCoreApplication::translate("luna-render", "memoria insufficiente per un'immagine %1x%2")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .toStdString());
        {
            QPainter painter(&image);
            paint(painter);
        }
        if (!image.save(&file, "PNG"))
            failToWrite(path, file.errorString());
    } else {
        writeSvgWith(file, size, paint);
    }
    if (!file.commit())
        failToWrite(path, file.errorString());
}

QString textMoon(double angle, double elongation, double turn)
{
    // A terminal cell is about twice as tall as it is wide.
    constexpr int columns = 40, rows = 20;
    constexpr int cellWidth = 6, cellHeight = 12;
    constexpr QSize size(columns * cellWidth, rows * cellHeight);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        const QPointF centre(size.width() / 2.0, size.height() / 2.0);
        painter.translate(centre);
        painter.rotate(-turn);
        painter.translate(-centre);
        PainterSurface surface(painter);
        // The rim lies just outside the radius; keep it inside the picture.
        drawPhase(surface, centre.x(), centre.y(), angle, size.width() / 2.0 - 1);
    }

    QString text;
    for (int row = 0; row < rows; ++row) {
        QString line;
        for (int column = 0; column < columns; ++column) {
            enum { Lit, Dark, Outside };
            std::array<int, 3> count{};
            for (int y = row * cellHeight; y < (row + 1) * cellHeight; ++y) {
                const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = column * cellWidth; x < (column + 1) * cellWidth; ++x) {
                    const QRgb p = pixels[x];
                    ++count[qAlpha(p) < 128 ? Outside : qGray(p) >= 128 ? Lit : Dark];
                }
            }
            const auto most = std::max_element(count.begin(), count.end()) - count.begin();
            line += most == Lit ? u'@' : most == Dark ? u'.' : u' ';
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    text += phaseDescription(elongation) + u'\n';
    return text;
}

double asSeenTurn(double elongation, double brightLimb, double parallactic)
{
    // Counterclockwise from the top, the right side is at 270 degrees.
    const double drawn = elongation < 180 ? 270 : 90;
    const double turn = std::fmod(brightLimb - parallactic - drawn, 360);
    return turn < 0 ? turn + 360 : turn;
}

QString cycleFileName(int angle, PictureFormat format)
{
    return QStringLiteral("luna-%1.%2")
        .arg(angle, 3, 10, QLatin1Char('0'))
        .arg(format == PictureFormat::Png ? u"png" : u"svg");
}

void writeCycle(const QString& directory, PictureFormat format, QSize size,
                const QColor& background, const std::atomic<bool>& stop,
                const std::function<void(int done)>& progress, unsigned threads)
{
    constexpr int frames = 360;
    std::atomic<int> next = 0;
    std::atomic<int> done = 0;
    std::atomic<bool> failed = false;
    std::optional<WriteError> firstError;
    std::mutex errorLock;
    const QDir folder(directory);

    const auto work = [&] {
        for (int angle = next++; angle < frames && !stop && !failed; angle = next++) {
            try {
                writePhase(folder.filePath(cycleFileName(angle, format)), format, angle, size,
                           background);
                ++done;
            } catch (const WriteError& error) {
                const std::lock_guard lock(errorLock);
                if (!firstError)
                    firstError = error;
                failed = true;
            }
        }
    };
    const unsigned workers = threads ? threads : std::max(1u, std::thread::hardware_concurrency());
    std::atomic<unsigned> finished = 0;
    std::vector<std::jthread> running;
    for (unsigned i = 0; i < workers; ++i)
        running.emplace_back([&] {
            work();
            ++finished;
        });
    for (int reported = -1; progress && finished < workers;
         std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
        if (const int now = done; now != reported)
            progress(reported = now);
    }
    running.clear();
    if (progress)
        progress(done);
    if (firstError)
        throw *firstError;
}

} // namespace luna
