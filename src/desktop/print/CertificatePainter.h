#pragma once

#include "results/certificate/CertificateFill.h"

class QPagedPaintDevice;
class QPainter;
class QRectF;

// Gives a printer or PDF writer the certificate's paper: A4 in the form's orientation, no margins (the
// page draws its own).
void setUpCertificatePaper(QPagedPaintDevice& device, const CertificatePage& page);

// Draws the filled certificate on the paper, all texts as plain text. The page depends on nothing but
// its input, so printing it twice gives the same page. Content taller than the paper is scaled down.
void paintCertificate(QPainter& painter, const QRectF& paper, const CertificatePage& page);
