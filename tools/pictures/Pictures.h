// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// The pictures LynvarBook ships with, drawn rather than kept as binaries: the diary's weather pictures
// (moon, wind, precipitation), the photo placeholders and the joke pictures. Every picture is drawn at a
// multiple of its size and scaled down, so thin lines and edges come out smooth. Drawing text needs a
// QGuiApplication (the offscreen platform will do).
namespace lynvar::pictures {

inline constexpr QSize MoonSize{64, 64};
inline constexpr QSize WindSize{48, 48};
inline constexpr QSize PrecipitationSize{48, 48};
inline constexpr QSize FishPlaceholderSize{400, 300};
inline constexpr QSize RecipePlaceholderSize{200, 150};
inline constexpr QSize JokeSize{300, 220};

// The diary computes moon ages 0 to 29 (days since the new moon).
inline constexpr int MoonAges = 30;
inline constexpr double SynodicMonthDays = 29.53;
inline constexpr int JokeCount = 6;

// The moon at the given age as seen from the northern hemisphere: the waxing moon lit on the right.
[[nodiscard]] QImage moon(int age);
// Share of the moon's disk that is lit at the given age, 0 (new) to 1 (full).
[[nodiscard]] double moonLitFraction(double age);

// An arrow showing where the wind blows to; the key (compass point such as "N" or "SW") names where it
// blows from. "calm" is a circle; a key that names no direction is a question mark.
[[nodiscard]] QImage wind(const QString &key);
// A weather symbol assembled from the words in the key ("rain", "snow", "partly_cloudy" …).
[[nodiscard]] QImage precipitation(const QString &key);

[[nodiscard]] QImage fishPlaceholder();
[[nodiscard]] QImage recipePlaceholder();
// Joke picture number 1 to JokeCount.
[[nodiscard]] QImage joke(int number);

// The keys the shipped reference tables are expected to hold; used when a seed file is missing.
[[nodiscard]] QStringList defaultWindKeys();
[[nodiscard]] QStringList defaultPrecipitationKeys();

// The NameLat values of a seed table file (a JSON array of rows), in file order, without empty ones.
// Throws lynvar::Error when the file cannot be read or is not such an array.
[[nodiscard]] QStringList readKeys(const QString &jsonPath);

// Draws every picture into outputDir (fish/, kuhnya/, prikol/, pogoda/…), taking the wind and precipitation
// keys from Viter.json and Opady.json in seedDir. Returns the written files relative to outputDir.
// Throws lynvar::Error when a file cannot be written.
QStringList writeAll(const QString &outputDir, const QString &seedDir);

} // namespace lynvar::pictures
