#include "core/analysis/FaceFinder.h"

#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <mutex>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>
#include <optional>
#include <vector>

namespace {

// Faces are looked for with the fast LBP cascade, then with Haar's "alt2" where it saw none
// with two eyes: on our portraits and their variants alt2 missed the fewest faces, the LBP
// cascade nearly as few at a third of the time, and "default", "alt" and LBP "improved" more.
// Eyes come from the plain eye cascade, then from the one trained on faces with glasses.
const char* const kFaceCascade = "lbpcascade_frontalface.xml";
const char* const kSecondFaceCascade = "haarcascade_frontalface_alt2.xml";
const char* const kEyeCascade = "haarcascade_eye.xml";
const char* const kGlassesEyeCascade = "haarcascade_eye_tree_eyeglasses.xml";

// The face is looked for on a gray copy whose longer side is this many pixels (or the
// picture's own, when smaller): a face a tenth of the picture wide still spans 38 of them.
constexpr int kSearchSide = 384;
// Faces smaller than this share of the search copy's shorter side are not looked for, nor
// smaller than the cascades' own window.
constexpr double kSmallestFace = 0.08;
constexpr int kSmallestFacePixels = 24;
// The eyes are looked for in the upper part of the face box, copied from the picture itself
// so that this many pixels span the face's width.
constexpr int kEyeSearchWidth = 128;
// Two eyes look this alike mirrored, less their unlikeness, when the search may stop; below
// the second, they are not taken for a pair.
constexpr double kAlikeEyes = 0.6;
constexpr double kPairedEyes = 0.4;
// An eye's box spans about a fifth to a quarter of the face's width; none is larger than this.
constexpr int kLargestEye = kEyeSearchWidth * 32 / 100;

// Chin and crown from the eye line, in eye distances along the face's axis. Fitted on two
// portraits measured by hand (tests/data/portraits/SOURCES.md), each as it is and in seven
// variants (mirrored, shrunk, enlarged, on larger canvases, turned by Exif, tilted): as the
// finder measures the eyes, the chin sat 1.72 and 1.61 eye distances below the eye line, the
// top of the skull 1.75 and 1.62 above (on the first the hair's thickness judged at the sides
// of the head, on the second hidden by a cap, so weighed half). Every variant's chin and crown
// then lie within 3.5 % of the head's height of the measured ones; the two people differ by
// about that much. Adult head proportions agree: eyes near halfway, the head some 3.4 eye
// distances high.
constexpr double kChinBelowEyes = 1.67;
constexpr double kCrownAboveEyes = 1.71;

// The cascade data folders beside or below a folder.
QStringList cascadeFolders(const QString& folder) {
    const QDir dir(folder);
    return {dir.path(), dir.filePath(QStringLiteral("haarcascades")),
            dir.filePath(QStringLiteral("lbpcascades")),
            dir.filePath(QStringLiteral("../haarcascades")),
            dir.filePath(QStringLiteral("../lbpcascades"))};
}

QString cascadePath(const QString& folder, const char* name) {
    for (const QString& candidate : cascadeFolders(folder)) {
        const QFileInfo file(QDir(candidate).filePath(QLatin1String(name)));
        if (file.isFile()) {
            return file.absoluteFilePath();
        }
    }
    return {};
}

bool load(cv::CascadeClassifier& cascade, const QString& folder, const char* name) {
    const QString path = cascadePath(folder, name);
    if (path.isEmpty()) {
        return false;
    }
    try {
        return cascade.load(QFile::encodeName(path).toStdString()) && !cascade.empty();
    } catch (const cv::Exception&) {
        return false; // an unreadable or foreign file
    }
}

// The picture's pixels as OpenCV sees them, sharing its bytes where OpenCV has the layout,
// and the conversion that makes them gray.
struct Pixels {
    QImage image; // keeps the bytes alive
    cv::Mat mat;
    int toGray = -1; // a cv::COLOR_* code; -1 when the samples are gray already
};

Pixels pixelsOf(const QImage& picture) {
    Pixels pixels{picture, {}, -1};
    int type = 0;
    switch (picture.format()) {
    case QImage::Format_Grayscale8:
        type = CV_8UC1;
        break;
    case QImage::Format_Grayscale16:
        type = CV_16UC1;
        break;
    case QImage::Format_RGB888:
        type = CV_8UC3;
        pixels.toGray = cv::COLOR_RGB2GRAY;
        break;
    case QImage::Format_BGR888:
        type = CV_8UC3;
        pixels.toGray = cv::COLOR_BGR2GRAY;
        break;
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        type = CV_8UC4;
        pixels.toGray = cv::COLOR_RGBA2GRAY;
        break;
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
        type = CV_16UC4;
        pixels.toGray = cv::COLOR_RGBA2GRAY;
        break;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        // 0xAARRGGBB words: blue, green, red, alpha in memory.
        type = CV_8UC4;
        pixels.toGray = cv::COLOR_BGRA2GRAY;
        break;
#endif
    default:
        // Rare layouts (indexed, 16-bit colour, big-endian words) go through Qt once.
        return pixelsOf(picture.convertToFormat(
            picture.hasAlphaChannel() ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888));
    }
    pixels.mat = cv::Mat(picture.height(), picture.width(), type,
                         const_cast<uchar*>(pixels.image.constBits()),
                         static_cast<size_t>(picture.bytesPerLine()));
    return pixels;
}

// A gray 8-bit copy of part of the picture at the given size: shrunk in colour first (so
// that only the small copy is converted), then made gray.
cv::Mat grayCopy(const Pixels& pixels, const cv::Rect& area, const cv::Size& size) {
    cv::Mat small;
    const bool shrinks = size.width <= area.width && size.height <= area.height;
    cv::resize(pixels.mat(area), small, size, 0, 0, shrinks ? cv::INTER_AREA : cv::INTER_LINEAR);
    if (pixels.toGray >= 0) {
        cv::cvtColor(small, small, pixels.toGray);
    }
    if (small.depth() != CV_8U) {
        small.convertTo(small, CV_8U, 1.0 / 257);
    }
    return small;
}

cv::Point2d centreOf(const cv::Rect& box) {
    return {box.x + box.width / 2.0, box.y + box.height / 2.0};
}

// The offset from the best whole-pixel match to the peak of a parabola through it and its
// neighbours: the match to a fraction of a pixel.
double peakOffset(float before, float at, float after) {
    const double curve = before - 2.0 * at + after;
    return curve < 0 ? 0.5 * (before - after) / curve : 0;
}

// Where the mirror image of the patch around `from` best matches near `to`, and how well
// (normalised correlation, 1 at best). A face is nearly symmetric, so the mirrored patch
// around one eye finds the same point of the other eye: the pair's relative position is then
// known far more finely than the detector's boxes tell.
struct Match {
    cv::Point2d at;
    double score = -1;
};

std::optional<Match> mirroredMatch(const cv::Mat& band, cv::Point2d from, cv::Point2d to, int half,
                                   int reach) {
    const cv::Rect patchArea(static_cast<int>(std::lround(from.x)) - half,
                             static_cast<int>(std::lround(from.y)) - half, 2 * half + 1,
                             2 * half + 1);
    const cv::Rect searchArea(static_cast<int>(std::lround(to.x)) - half - reach,
                              static_cast<int>(std::lround(to.y)) - half - reach,
                              2 * (half + reach) + 1, 2 * (half + reach) + 1);
    const cv::Rect all(0, 0, band.cols, band.rows);
    if ((patchArea & all) != patchArea || (searchArea & all) != searchArea) {
        return std::nullopt;
    }
    cv::Mat patch;
    cv::flip(band(patchArea), patch, 1);
    cv::Mat scores;
    cv::matchTemplate(band(searchArea), patch, scores, cv::TM_CCOEFF_NORMED);
    double best = 0;
    cv::Point at;
    cv::minMaxLoc(scores, nullptr, &best, nullptr, &at);
    double dx = 0;
    double dy = 0;
    if (at.x > 0 && at.x < scores.cols - 1) {
        dx = peakOffset(scores.at<float>(at.y, at.x - 1), scores.at<float>(at.y, at.x),
                        scores.at<float>(at.y, at.x + 1));
    }
    if (at.y > 0 && at.y < scores.rows - 1) {
        dy = peakOffset(scores.at<float>(at.y - 1, at.x), scores.at<float>(at.y, at.x),
                        scores.at<float>(at.y + 1, at.x));
    }
    return Match{{searchArea.x + half + at.x + dx, searchArea.y + half + at.y + dy}, best};
}

struct EyePair {
    cv::Point2d left;
    cv::Point2d right;
};

// How unlike this face's two eyes two points are, 0 at best: none when they cannot be its
// eyes. They sit on either side of the face's middle, in the upper half of its box, about
// level, some 0.42 face widths apart. The face box is in the same pixels as the points.
std::optional<double> unlikeness(cv::Point2d left, cv::Point2d right, const cv::Rect2d& face) {
    const double middle = face.x + face.width / 2;
    const double upperHalf = face.y + face.height / 2;
    if (left.x >= middle || right.x <= middle || left.x <= face.x ||
        right.x >= face.x + face.width || left.y >= upperHalf || right.y >= upperHalf ||
        left.y <= face.y || right.y <= face.y) {
        return std::nullopt;
    }
    const double apart = (right.x - left.x) / face.width;
    const double rise = std::abs(right.y - left.y) / (right.x - left.x);
    if (apart < 0.25 || apart > 0.65 || rise > 0.3) {
        return std::nullopt;
    }
    return std::abs(apart - 0.42) + rise + std::abs((left.x + right.x) / 2 - middle) / face.width;
}

struct ScoredPair {
    EyePair pair;
    double score = 0;
};

// The pair most like this face's eyes among the cascades' boxes: two boxes of like size, or
// one box and its mirror image where the face's symmetry puts the other eye (the cascades miss
// an eye behind glasses or a reflection). Each is scored by how alike the two eyes look
// mirrored (normalised correlation, 1 at best), less its unlikeness; boxes on a glasses frame
// or an eyebrow pair up worse than the eyes.
std::optional<ScoredPair> likeliestPair(const cv::Mat& band, const std::vector<cv::Rect>& eyes,
                                        const cv::Rect2d& face) {
    const double middle = face.x + face.width / 2;
    const int half = std::max(4, static_cast<int>(0.09 * face.width));
    const int reach = std::max(2, static_cast<int>(0.08 * face.width));
    std::vector<EyePair> pairs;
    for (const cv::Rect& box : eyes) {
        if (box.width > 0.45 * face.width) {
            continue;
        }
        const cv::Point2d seen = centreOf(box);
        for (const cv::Rect& other : eyes) {
            if (other.x > box.x && other.width <= 0.45 * face.width &&
                std::max(box.width, other.width) <= 1.8 * std::min(box.width, other.width)) {
                pairs.push_back({seen, centreOf(other)});
            }
        }
        if (const auto mirror =
                mirroredMatch(band, seen, {2 * middle - seen.x, seen.y}, half, reach)) {
            pairs.push_back(seen.x < mirror->at.x ? EyePair{seen, mirror->at}
                                                  : EyePair{mirror->at, seen});
        }
    }
    std::optional<ScoredPair> best;
    for (const EyePair& pair : pairs) {
        const auto cost = unlikeness(pair.left, pair.right, face);
        if (!cost) {
            continue;
        }
        const auto right = mirroredMatch(band, pair.left, pair.right, half, reach / 2);
        const auto left = mirroredMatch(band, pair.right, pair.left, half, reach / 2);
        if (!right || !left) {
            continue;
        }
        const double score = (left->score + right->score) / 2 - 0.5 * *cost;
        if (!best || score > best->score) {
            best = ScoredPair{pair, score};
        }
    }
    return best;
}

// The middle of the darkest iris-sized spot near the point, across: the cascades' boxes and
// the mirrored match leave the eyes' distance uncertain by a tenth, the iris does not. `blurred`
// is the band averaged over an iris's width; the point stays where the spot cannot be told.
double irisAcross(const cv::Mat& blurred, cv::Point2d near, double apart) {
    const int reachX = std::max(2, static_cast<int>(0.15 * apart));
    const int reachY = std::max(1, static_cast<int>(0.05 * apart));
    const cv::Rect area(static_cast<int>(std::lround(near.x)) - reachX,
                        static_cast<int>(std::lround(near.y)) - reachY, 2 * reachX + 1,
                        2 * reachY + 1);
    if ((area & cv::Rect(0, 0, blurred.cols, blurred.rows)) != area) {
        return near.x;
    }
    cv::Mat window;
    blurred(area).convertTo(window, CV_32F);
    double darkest = 0;
    cv::Point at;
    cv::minMaxLoc(window, &darkest, nullptr, &at, nullptr);
    double dx = 0;
    if (at.x > 0 && at.x < window.cols - 1) {
        // The same parabola as for a peak, on the negated values.
        dx = peakOffset(-window.at<float>(at.y, at.x - 1), -window.at<float>(at.y, at.x),
                        -window.at<float>(at.y, at.x + 1));
    }
    return area.x + at.x + dx;
}

cv::Point2d mapped(const cv::Mat& affine, cv::Point2d p) {
    return {affine.at<double>(0, 0) * p.x + affine.at<double>(0, 1) * p.y + affine.at<double>(0, 2),
            affine.at<double>(1, 0) * p.x + affine.at<double>(1, 1) * p.y +
                affine.at<double>(1, 2)};
}

// The eye centres to a fraction of a pixel. Each eye's mirrored surroundings find the other
// eye and the two estimates are averaged, which sets the eyes' level; on a band turned so that
// the eyes are level, since a mirror finds its match only on an upright face; twice, the second
// time on the better level. Then the irises set the distance.
EyePair refined(const cv::Mat& band, EyePair pair) {
    for (int round = 0; round < 2; ++round) {
        const double apart = std::hypot(pair.right.x - pair.left.x, pair.right.y - pair.left.y);
        const cv::Mat turn = cv::getRotationMatrix2D(
            (pair.left + pair.right) * 0.5,
            std::atan2(pair.right.y - pair.left.y, pair.right.x - pair.left.x) * 180 / CV_PI, 1);
        cv::Mat level;
        cv::warpAffine(band, level, turn, band.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        EyePair levelled{mapped(turn, pair.left), mapped(turn, pair.right)};
        const int half = std::max(4, static_cast<int>(0.22 * apart));
        const int reach = std::max(2, static_cast<int>(0.12 * apart));
        const auto fromLeft = mirroredMatch(level, levelled.left, levelled.right, half, reach);
        const auto fromRight = mirroredMatch(level, levelled.right, levelled.left, half, reach);
        if (fromLeft && fromRight) {
            levelled = EyePair{(levelled.left + fromRight->at) * 0.5,
                               (levelled.right + fromLeft->at) * 0.5};
        }
        if (round == 1) {
            const int irisWidth = std::max(3, static_cast<int>(0.15 * apart)) | 1;
            cv::Mat blurred;
            cv::blur(level, blurred, cv::Size(irisWidth, irisWidth));
            levelled.left.x = irisAcross(blurred, levelled.left, apart);
            levelled.right.x = irisAcross(blurred, levelled.right, apart);
        }
        cv::Mat back;
        cv::invertAffineTransform(turn, back);
        pair = EyePair{mapped(back, levelled.left), mapped(back, levelled.right)};
    }
    return pair;
}

} // namespace

struct FaceFinder::Cascades {
    // A cascade keeps scratch buffers while it searches: one search at a time.
    std::mutex mutex;
    cv::CascadeClassifier face;
    cv::CascadeClassifier secondFace;
    cv::CascadeClassifier eye;
    cv::CascadeClassifier glassesEye;
    bool ready = false;

    std::optional<FaceFeatures> find(const Pixels& pixels, QSize size);
    std::optional<FaceFeatures> eyesOf(const Pixels& pixels, QSize size, const cv::Rect2d& face);
};

FaceFinder::FaceFinder(const QString& cascadeFolder)
    : cascades_(std::make_unique<Cascades>()) {
    Cascades& c = *cascades_;
    c.ready = !cascadeFolder.isEmpty() && load(c.face, cascadeFolder, kFaceCascade) &&
              load(c.secondFace, cascadeFolder, kSecondFaceCascade) &&
              load(c.eye, cascadeFolder, kEyeCascade) &&
              load(c.glassesEye, cascadeFolder, kGlassesEyeCascade);
}

FaceFinder::~FaceFinder() = default;

QString FaceFinder::defaultCascadeFolder() {
    // Debian and most distributions, a build installed under /usr/local, then the data
    // folders of the session (Flatpak's /app/share among them).
    QStringList folders{
        QStringLiteral("/usr/share/opencv4"), QStringLiteral("/usr/local/share/opencv4"),
        QStringLiteral("/usr/share/opencv"), QStringLiteral("/usr/local/share/opencv")};
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders << QDir(data).filePath(QStringLiteral("opencv4"))
                << QDir(data).filePath(QStringLiteral("opencv"));
    }
    for (const QString& folder : folders) {
        if (!cascadePath(folder, kFaceCascade).isEmpty() &&
            !cascadePath(folder, kEyeCascade).isEmpty()) {
            return folder;
        }
    }
    return {};
}

bool FaceFinder::isReady() const {
    return cascades_->ready;
}

std::optional<FaceFeatures> FaceFinder::find(const QImage& picture) const {
    if (!cascades_->ready || picture.isNull()) {
        return std::nullopt;
    }
    try {
        return cascades_->find(pixelsOf(picture), picture.size());
    } catch (const cv::Exception&) {
        return std::nullopt; // OpenCV refused the pixels: no face can be told
    }
}

std::optional<FaceFeatures> FaceFinder::find(const Image& picture) const {
    const auto& representations = picture.representations();
    if (representations.empty() || !representations.front()) {
        return std::nullopt;
    }
    return find(representations.front()->toQImage());
}

std::optional<FaceFeatures> FaceFinder::Cascades::find(const Pixels& pixels, QSize size) {
    // Shrunk by a whole factor first, averaging square blocks (OpenCV's fast path), to at
    // least the search size; then, small and gray, to the search size itself.
    const int longSide = std::max(size.width(), size.height());
    const int factor = std::max(1, longSide / kSearchSide);
    const cv::Size shrunk(size.width() / factor, size.height() / factor);
    cv::Mat search =
        grayCopy(pixels, cv::Rect(0, 0, shrunk.width * factor, shrunk.height * factor), shrunk);
    const double scale = std::min(1.0, static_cast<double>(kSearchSide) / longSide * factor);
    if (scale < 1) {
        cv::resize(search, search, cv::Size(), scale, scale, cv::INTER_AREA);
    }
    const double toPicture = static_cast<double>(size.width()) / search.cols;
    const double toPictureY = static_cast<double>(size.height()) / search.rows;
    const int smallest = std::max(
        kSmallestFacePixels, static_cast<int>(kSmallestFace * std::min(search.cols, search.rows)));
    if (std::min(search.cols, search.rows) < smallest) {
        return std::nullopt;
    }
    cv::equalizeHist(search, search);

    // Coarse steps of size over the whole copy, then fine ones around each face found.
    for (cv::CascadeClassifier* cascade : {&face, &secondFace}) {
        std::vector<cv::Rect> faces;
        {
            const std::lock_guard lock(mutex);
            cascade->detectMultiScale(search, faces, 1.2, 3, 0, cv::Size(smallest, smallest));
        }
        // The largest face whose eyes can be seen: a box without eyes is not a face.
        std::sort(faces.begin(), faces.end(),
                  [](const cv::Rect& a, const cv::Rect& b) { return a.area() > b.area(); });
        for (const cv::Rect& box : faces) {
            const cv::Rect around =
                cv::Rect(box.x - box.width * 3 / 10, box.y - box.height * 3 / 10,
                         box.width * 16 / 10, box.height * 16 / 10) &
                cv::Rect(0, 0, search.cols, search.rows);
            std::vector<cv::Rect> finer;
            {
                const std::lock_guard lock(mutex);
                cascade->detectMultiScale(search(around), finer, 1.05, 3, 0,
                                          cv::Size(box.width * 8 / 10, box.height * 8 / 10),
                                          cv::Size(box.width * 13 / 10, box.height * 13 / 10));
            }
            const cv::Rect fine = finer.empty()
                                      ? box
                                      : *std::max_element(finer.begin(), finer.end(),
                                                          [](const cv::Rect& a, const cv::Rect& b) {
                                                              return a.area() < b.area();
                                                          }) +
                                            around.tl();
            const cv::Rect2d face(fine.x * toPicture, fine.y * toPictureY, fine.width * toPicture,
                                  fine.height * toPictureY);
            if (auto found = eyesOf(pixels, size, face)) {
                return found;
            }
        }
    }
    return std::nullopt;
}

std::optional<FaceFeatures> FaceFinder::Cascades::eyesOf(const Pixels& pixels, QSize size,
                                                         const cv::Rect2d& face) {
    // The band from 15 to 55 hundredths of the face box's height, at kEyeSearchWidth pixels
    // for the face's width.
    const cv::Rect picture(0, 0, size.width(), size.height());
    const cv::Rect band =
        cv::Rect(static_cast<int>(face.x), static_cast<int>(face.y + 0.15 * face.height),
                 static_cast<int>(face.width), static_cast<int>(0.4 * face.height)) &
        picture;
    if (band.width < 8 || band.height < 4) {
        return std::nullopt;
    }
    const double scale = kEyeSearchWidth / face.width;
    const cv::Size bandSize(std::max(1, static_cast<int>(std::lround(band.width * scale))),
                            std::max(1, static_cast<int>(std::lround(band.height * scale))));
    const double scaleX = static_cast<double>(bandSize.width) / band.width;
    const double scaleY = static_cast<double>(bandSize.height) / band.height;
    const cv::Mat gray = grayCopy(pixels, band, bandSize);
    const cv::Rect2d faceInBand((face.x - band.x) * scaleX, (face.y - band.y) * scaleY,
                                face.width * scaleX, face.height * scaleY);

    // The plain cascade first; where it finds no pair that looks alike, the glasses one adds its
    // boxes; then both again at finer steps of size.
    std::optional<ScoredPair> best;
    std::vector<cv::Rect> eyes;
    const std::pair<cv::CascadeClassifier*, double> passes[] = {
        {&eye, 1.1}, {&glassesEye, 1.1}, {&eye, 1.05}, {&glassesEye, 1.05}};
    for (const auto& [cascade, step] : passes) {
        std::vector<cv::Rect> more;
        {
            const std::lock_guard lock(mutex);
            cascade->detectMultiScale(gray, more, step, 2, 0, cv::Size(20, 20),
                                      cv::Size(kLargestEye, kLargestEye));
        }
        eyes.insert(eyes.end(), more.begin(), more.end());
        best = likeliestPair(gray, eyes, faceInBand);
        if (best && best->score >= kAlikeEyes) {
            break;
        }
    }
    if (!best || best->score < kPairedEyes) {
        return std::nullopt;
    }
    const EyePair pair = refined(gray, best->pair);

    const auto toPicture = [&](cv::Point2d p) {
        return QPointF(band.x + p.x / scaleX, band.y + p.y / scaleY);
    };
    FaceFeatures features;
    features.pictureSize = size;
    features.face = QRectF(face.x, face.y, face.width, face.height);
    features.leftEye = toPicture(pair.left);
    features.rightEye = toPicture(pair.right);
    // Along the face's own axis, square to the eye line.
    const QPointF across = features.rightEye - features.leftEye;
    const double distance = std::hypot(across.x(), across.y());
    const double down = across.x() / distance; // the axis's vertical share
    features.chin = features.eyeLine() + kChinBelowEyes * distance * down;
    features.crown = features.eyeLine() - kCrownAboveEyes * distance * down;
    return features;
}
