#include "picture.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPoint>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <string>

void writePicture(const std::filesystem::path &path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sea(0, 0, width, height);
    sea.setColorAt(0, QColor(200, 225, 255));
    sea.setColorAt(1, QColor(40, 90, 160));
    painter.fillRect(image.rect(), sea);
    painter.setPen(QPen(Qt::black, 2));
    for (int x = 0; x < width; x += 40)
        painter.drawLine(x, 0, width - x, height);
    painter.setBrush(QColor(230, 60, 40));
    for (int r = height / 2; r > 0; r -= 25)
        painter.drawEllipse(QPoint(width / 2, height / 2), r, r / 2);
    painter.end();
    image.save(QString::fromStdString(path.string())); // the format follows the suffix
}

void writePhotograph(const std::filesystem::path &path, int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t state = 2463534242u ^ (seed * 2654435761u);
    const auto random = [&state] { // xorshift32: fast, and plenty for noise
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    // Each channel a gradient of its own, slope and start drawn from the seed.
    double start[3], across[3], down[3];
    for (int c = 0; c < 3; ++c) {
        start[c] = random() % 128;
        across[c] = static_cast<double>(random() % 128) / width;
        down[c] = static_cast<double>(random() % 128) / height;
    }
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int value[3];
            for (int c = 0; c < 3; ++c)
                value[c] = std::clamp(static_cast<int>(start[c] + across[c] * x + down[c] * y) +
                                          static_cast<int>(random() % 33) - 16,
                                      0, 255);
            line[x] = qRgb(value[0], value[1], value[2]);
        }
    }
    // A PNG quality of 80 is zlib's fastest level: noise packs little smaller with more effort.
    const bool png = path.extension() == ".png";
    image.save(QString::fromStdString(path.string()), nullptr, png ? 80 : 85);
}

void writePhotographs(const std::filesystem::path &directory, std::string_view name, int width,
                      int height) {
    // Large photographs take seconds each to write: they are kept between runs, and linked.
    const std::filesystem::path kept =
        std::filesystem::temp_directory_path() / "quizra-bench-photographs";
    std::filesystem::create_directories(kept);
    const std::size_t hash = name.find('#');
    const std::string suffix(name.substr(name.rfind('.')));
    for (int n = 1; n <= 50; ++n) {
        const std::filesystem::path photograph =
            kept / (std::to_string(width) + "x" + std::to_string(height) + "-" + std::to_string(n) +
                    suffix);
        if (!std::filesystem::exists(photograph))
            writePhotograph(photograph, width, height, static_cast<unsigned>(n));
        std::string file(name);
        file.replace(hash, 1, std::to_string(n));
        std::filesystem::create_hard_link(photograph, directory / file);
    }
}
