// The painted scenes of the sample pictures.
#pragma once

class QImage;

using Scene = void (*)(QImage&);

void paintAurora(QImage& image);
void paintCoralReef(QImage& image);
void paintDunes(QImage& image);
void paintHarbour(QImage& image);
void paintMeadow(QImage& image);
void paintNightSky(QImage& image);
void paintSunset(QImage& image);
void paintValley(QImage& image);
