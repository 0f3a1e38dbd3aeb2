#include "platform/metafile_gdi.h"

#include <QFontMetricsF>
#include <cmath>

#include "platform/metafile_dib.h"

namespace pz::mf {

namespace {

// Saved states and objects beyond these are ignored: no real file comes near,
// and a hostile one cannot make the player grow without bound.
constexpr std::size_t kMaxSaved = 4096;
constexpr std::size_t kMaxObjects = 65536;
// Output coordinates beyond this are nonsense from a damaged record.
constexpr double kMaxCoord = 1e7;


QPainter::CompositionMode rop2Mode(int rop2) {
  switch (rop2) {
    case 4: return QPainter::RasterOp_NotSource;                       // R2_NOTCOPYPEN
    case 6: return QPainter::RasterOp_NotDestination;                  // R2_NOT
    case 7: return QPainter::RasterOp_SourceXorDestination;            // R2_XORPEN
    case 9: return QPainter::RasterOp_SourceAndDestination;            // R2_MASKPEN
    case 10: return QPainter::RasterOp_NotSourceXorDestination;        // R2_NOTXORPEN
    case 15: return QPainter::RasterOp_SourceOrDestination;            // R2_MERGEPEN
    default: return QPainter::CompositionMode_SourceOver;
  }
}

}  // namespace

GdiPlayer::GdiPlayer(QPainter& painter, const QRectF& t) : target(t), p_(painter) {
  p_.setRenderHint(QPainter::Antialiasing, !qEnvironmentVariableIsSet("MF_NOAA"));
  p_.setRenderHint(QPainter::TextAntialiasing, true);
  p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  dc.clip = QPainterPath();
  resetClip();
}

// --- objects ---------------------------------------------------------------

int GdiPlayer::addObject(const GdiObject& o) {
  for (std::size_t i = 0; i < objects.size(); ++i)
    if (objects[i].kind == ObjKind::Empty) {
      objects[i] = o;
      return int(i);
    }
  if (objects.size() >= kMaxObjects) return -1;
  objects.push_back(o);
  return int(objects.size() - 1);
}

void GdiPlayer::putObject(quint32 index, const GdiObject& o) {
  if (index >= kMaxObjects) return;
  if (index >= objects.size()) objects.resize(index + 1);
  objects[index] = o;
}

void GdiPlayer::selectObject(quint32 index) {
  if (index & 0x80000000u) {
    selectStock(index & 0x7FFFFFFFu);
    return;
  }
  if (index >= objects.size()) return;
  const GdiObject& o = objects[index];
  switch (o.kind) {
    case ObjKind::Pen: dc.pen = o.pen; break;
    case ObjKind::Brush: dc.brush = o.brush; break;
    case ObjKind::Font: dc.font = o.font; break;
    default: break;
  }
}

void GdiPlayer::selectStock(quint32 stock) {
  auto solid = [&](QColor c) {
    dc.brush = LogBrush();
    dc.brush.color = c;
  };
  switch (stock) {
    case 0: solid(Qt::white); break;
    case 1: solid(QColor(0xC0, 0xC0, 0xC0)); break;
    case 2: solid(QColor(0x80, 0x80, 0x80)); break;
    case 3: solid(QColor(0x40, 0x40, 0x40)); break;
    case 4: solid(Qt::black); break;
    case 5: dc.brush = LogBrush(); dc.brush.style = 1; break;
    case 6: dc.pen = LogPen(); dc.pen.color = Qt::white; break;
    case 7: dc.pen = LogPen(); break;
    case 8: dc.pen = LogPen(); dc.pen.style = 5; break;
    case 18: solid(dc.dcBrush); break;
    case 19: dc.pen = LogPen(); dc.pen.color = dc.dcPen; break;
    default:
      if (stock >= 10 && stock <= 17 && stock != 15) dc.font = LogFont();
      break;
  }
}

void GdiPlayer::deleteObject(quint32 index) {
  // The selected values stay in the context, as with GDI, where deleting a
  // selected object has no visible effect until something else is selected.
  if (index < objects.size()) objects[index] = GdiObject();
}

// --- state -----------------------------------------------------------------

void GdiPlayer::saveDc() {
  if (saved_.size() < kMaxSaved) saved_.push_back(dc);
}

void GdiPlayer::restoreDc(int which) {
  if (saved_.empty()) return;
  std::size_t keep;  // how many saved states remain after the restore
  if (which < 0) {
    const std::size_t back = std::size_t(-qint64(which));
    if (back > saved_.size()) return;
    keep = saved_.size() - back;
  } else if (which > 0) {
    if (std::size_t(which) > saved_.size()) return;
    keep = std::size_t(which) - 1;
  } else {
    return;
  }
  // Object values come back with the state even if the objects were deleted
  // in between: the context holds values, not handles.
  dc = saved_[keep];
  saved_.resize(keep);
}

void GdiPlayer::setMapMode(int mode) {
  // Extents set before a switch to an anisotropic or isotropic mode are kept.
  if (mode >= kMmText && mode <= kMmAnisotropic) dc.mapMode = mode;
}

QTransform GdiPlayer::pageTransform() const {
  double sx = 1, sy = 1;
  auto metric = [&](double mmPerUnit) {
    sx = devPxPerMmX * mmPerUnit;
    sy = -devPxPerMmY * mmPerUnit;  // y grows upwards in the metric modes
  };
  switch (dc.mapMode) {
    case kMmLoMetric: metric(0.1); break;
    case kMmHiMetric: metric(0.01); break;
    case kMmLoEnglish: metric(0.254); break;
    case kMmHiEnglish: metric(0.0254); break;
    case kMmTwips: metric(25.4 / 1440); break;
    case kMmIsotropic:
    case kMmAnisotropic: {
      const double wx = dc.winExt.x() ? dc.winExt.x() : 1, wy = dc.winExt.y() ? dc.winExt.y() : 1;
      sx = dc.vpExt.x() / wx;
      sy = dc.vpExt.y() / wy;
      if (dc.mapMode == kMmIsotropic) {
        const double m = std::min(std::fabs(sx), std::fabs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
      }
      break;
    }
    default: break;
  }
  return QTransform(sx, 0, 0, sy, dc.vpOrg.x() - dc.winOrg.x() * sx, dc.vpOrg.y() - dc.winOrg.y() * sy);
}

// --- clipping --------------------------------------------------------------

void GdiPlayer::resetClip() {
  dc.clipped = false;
  dc.clip = QPainterPath();
  dc.clip.addRect(target);
  dc.clipIsRect = true;
  dc.clipRect = target;
  clipKnown_ = false;
}

void GdiPlayer::combineClip(const QPainterPath& out, int mode) {
  QPainterPath base = dc.clip;
  switch (mode) {
    case 1: dc.clip = base.intersected(out); break;
    case 2: dc.clip = base.united(out); break;
    case 3: dc.clip = base.subtracted(out).united(out.subtracted(base)); break;
    case 4: dc.clip = base.subtracted(out); break;
    case 5: {
      QPainterPath t;
      t.addRect(target);
      dc.clip = out.intersected(t);
      break;
    }
    default: return;
  }
  dc.clipped = true;
  dc.clipIsRect = false;
  clipKnown_ = false;
}

void GdiPlayer::intersectClipRect(const QRectF& logical) {
  const QTransform t = toOut();
  if (dc.clipIsRect && t.type() <= QTransform::TxScale) {
    dc.clipRect = dc.clipRect.intersected(t.mapRect(logical.normalized()));
    dc.clip = QPainterPath();
    dc.clip.addRect(dc.clipRect);
    dc.clipped = true;
    clipKnown_ = false;
    return;
  }
  QPainterPath p;
  p.addPolygon(toOut().map(QPolygonF(logical.normalized())));
  p.closeSubpath();
  combineClip(p, 1);
}

void GdiPlayer::excludeClipRect(const QRectF& logical) {
  QPainterPath p;
  p.addPolygon(toOut().map(QPolygonF(logical.normalized())));
  p.closeSubpath();
  combineClip(p, 4);
}

void GdiPlayer::applyClip() {
  // Comparing paths is cheap next to clipping with a new one on every shape.
  if (clipKnown_ && lastClipped_ == dc.clipped && (!dc.clipped || lastClip_ == dc.clip)) return;
  if (dc.clipped && dc.clipIsRect)
    p_.setClipRect(dc.clipRect);
  else if (dc.clipped)
    p_.setClipPath(dc.clip);
  else
    p_.setClipRect(target);
  lastClip_ = dc.clip;
  lastClipped_ = dc.clipped;
  clipKnown_ = true;
}

// --- paths -----------------------------------------------------------------

void GdiPlayer::beginPath() {
  inPath = true;
  path = QPainterPath();
  path.moveTo(map(dc.cur));
}

void GdiPlayer::closeFigure() {
  if (inPath) path.closeSubpath();
}

void GdiPlayer::fillPath(bool fill, bool stroke) {
  inPath = false;
  drawOut(path, fill, stroke);
  path = QPainterPath();
}

void GdiPlayer::selectClipPath(int mode) {
  inPath = false;
  QPainterPath p = path;
  p.setFillRule(dc.polyFill == 2 ? Qt::WindingFill : Qt::OddEvenFill);
  // simplified() resolves the fill rule into the outline the clip uses.
  combineClip(p.simplified(), mode);
  path = QPainterPath();
}

// --- drawing ---------------------------------------------------------------

bool GdiPlayer::saneOut(const QRectF& b) const {
  return std::isfinite(b.left()) && std::isfinite(b.top()) && std::isfinite(b.right()) &&
         std::isfinite(b.bottom()) && std::fabs(b.left()) < kMaxCoord && std::fabs(b.right()) < kMaxCoord &&
         std::fabs(b.top()) < kMaxCoord && std::fabs(b.bottom()) < kMaxCoord;
}

QPen GdiPlayer::qpen() const {
  const int style = dc.pen.style & 0x0F;
  if (style == 5) return Qt::NoPen;
  const QTransform t = toOut();
  const double scale = std::sqrt(std::fabs(t.m11() * t.m22() - t.m12() * t.m21()));
  double w = dc.pen.width * scale;
  QPen pen(dc.pen.color);
  if (!(w >= 1)) {
    pen.setWidthF(1);
    pen.setCosmetic(true);
  } else {
    pen.setWidthF(std::min(w, 1e5));
  }
  switch (style) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    default: break;
  }
  switch (dc.pen.style & 0x0F00) {
    case 0x100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap); break;
  }
  switch (dc.pen.style & 0xF000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); pen.setMiterLimit(dc.miterLimit); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
  }
  return pen;
}

QBrush GdiPlayer::qbrush() const {
  const LogBrush& b = dc.brush;
  switch (b.style) {
    case 1: return Qt::NoBrush;
    case 2: {
      static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern, Qt::FDiagPattern,
                                               Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
      return QBrush(b.color, hatches[unsigned(b.hatch) < 6 ? b.hatch : 0]);
    }
    case 3:
    case 5:
    case 6:
      if (!b.pattern.isNull() && b.monoPattern) return QBrush(colourMonoPattern(b.pattern, dc.textColor, dc.bkColor));
      if (!b.pattern.isNull()) return QBrush(b.pattern);
      return QBrush(b.color);
    default: return QBrush(b.color);
  }
}

void GdiPlayer::drawOut(const QPainterPath& out0, bool fill, bool stroke) {
  if (out0.isEmpty()) return;
  const QRectF bounds = out0.controlPointRect();
  if (!saneOut(bounds)) return;
  if (dc.rop2 == 11) return;  // R2_NOP
  if (measured(bounds)) return;
  ++draws_;
  QPainterPath out = out0;
  out.setFillRule(dc.polyFill == 2 ? Qt::WindingFill : Qt::OddEvenFill);
  applyClip();
  p_.setCompositionMode(rop2Mode(dc.rop2));
  if (fill && dc.brush.style != 1) {
    QBrush br = qbrush();
    if (dc.rop2 == 1) br = QBrush(Qt::black);
    if (dc.rop2 == 16) br = QBrush(Qt::white);
    if (dc.brush.style == 2 && dc.bkMode == 2) p_.fillPath(out, dc.bkColor);
    p_.fillPath(out, br);
  }
  if (stroke && (dc.pen.style & 0x0F) != 5) {
    QPen pen = qpen();
    if (dc.rop2 == 1) pen.setColor(Qt::black);
    if (dc.rop2 == 16) pen.setColor(Qt::white);
    // Hairlines stay crisp, as GDI draws them; smoothing would turn a black
    // line into two grey ones.
    const bool hair = pen.isCosmetic();
    if (hair) p_.setRenderHint(QPainter::Antialiasing, false);
    p_.strokePath(out, pen);
    if (hair) p_.setRenderHint(QPainter::Antialiasing, true);
  }
  p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void GdiPlayer::fillOut(const QPainterPath& out, const QBrush& brush) {
  if (out.isEmpty() || !saneOut(out.controlPointRect())) return;
  if (measured(out.controlPointRect())) return;
  ++draws_;
  applyClip();
  p_.fillPath(out, brush);
}

void GdiPlayer::addOrDraw(const QPainterPath& logical, bool fill, bool stroke) {
  const QPainterPath out = toOut().map(logical);
  if (inPath)
    path.addPath(out);
  else
    drawOut(out, fill, stroke);
}

void GdiPlayer::moveTo(const QPointF& p) {
  dc.cur = p;
  if (inPath) path.moveTo(map(p));
}

void GdiPlayer::lineTo(const QPointF& p) {
  if (inPath) {
    path.lineTo(map(p));
  } else {
    QPainterPath l(dc.cur);
    l.lineTo(p);
    drawOut(toOut().map(l), false, true);
  }
  dc.cur = p;
}

void GdiPlayer::polylineTo(const QPolygonF& pts) {
  if (pts.isEmpty()) return;
  if (inPath) {
    const QTransform t = toOut();
    for (const QPointF& q : pts) path.lineTo(t.map(q));
  } else {
    QPainterPath l(dc.cur);
    for (const QPointF& q : pts) l.lineTo(q);
    drawOut(toOut().map(l), false, true);
  }
  dc.cur = pts.back();
}

void GdiPlayer::polyline(const QPolygonF& pts) {
  if (pts.size() < 2) return;
  QPainterPath l;
  l.addPolygon(pts);
  addOrDraw(l, false, true);
}

void GdiPlayer::polyBezier(const QPolygonF& pts, bool fromCurrent) {
  const int first = fromCurrent ? 0 : 1;
  if (pts.size() < first + 3) return;
  const QTransform t = toOut();
  QPainterPath l;
  if (fromCurrent) {
    if (inPath) {
      if (path.elementCount() == 0) path.moveTo(t.map(dc.cur));
    } else {
      l.moveTo(t.map(dc.cur));
    }
  } else {
    if (inPath)
      path.moveTo(t.map(pts[0]));
    else
      l.moveTo(t.map(pts[0]));
  }
  QPainterPath& dst = inPath ? path : l;
  int i = first;
  for (; i + 2 < pts.size(); i += 3) dst.cubicTo(t.map(pts[i]), t.map(pts[i + 1]), t.map(pts[i + 2]));
  if (fromCurrent) dc.cur = pts[i - 1];
  if (!inPath) drawOut(l, false, true);
}

void GdiPlayer::polygon(const QPolygonF& pts) {
  if (pts.size() < 2) return;
  QPainterPath l;
  l.addPolygon(pts);
  l.closeSubpath();
  addOrDraw(l, true, true);
}

void GdiPlayer::polyPolygon(const std::vector<QPolygonF>& polys) {
  QPainterPath l;
  for (const QPolygonF& p : polys) {
    if (p.size() < 2) continue;
    l.addPolygon(p);
    l.closeSubpath();
  }
  addOrDraw(l, true, true);
}

void GdiPlayer::polyPolyline(const std::vector<QPolygonF>& polys) {
  QPainterPath l;
  for (const QPolygonF& p : polys)
    if (p.size() >= 2) l.addPolygon(p);
  addOrDraw(l, false, true);
}

void GdiPlayer::rectangle(const QRectF& r) {
  QPainterPath l;
  l.addRect(r.normalized());
  addOrDraw(l, true, true);
}

void GdiPlayer::roundRect(const QRectF& r, double cw, double ch) {
  QPainterPath l;
  l.addRoundedRect(r.normalized(), std::fabs(cw) / 2, std::fabs(ch) / 2);
  addOrDraw(l, true, true);
}

void GdiPlayer::ellipse(const QRectF& r) {
  QPainterPath l;
  l.addEllipse(r.normalized());
  addOrDraw(l, true, true);
}

void GdiPlayer::arc(const QRectF& r0, const QPointF& start, const QPointF& end, int kind) {
  const QRectF r = r0.normalized();
  if (r.width() <= 0 || r.height() <= 0) return;
  const QPointF c = r.center();
  // Angles as Qt counts them: counter-clockwise with y pointing down.
  auto angle = [&](const QPointF& p) {
    return std::atan2(-(p.y() - c.y()) / r.height(), (p.x() - c.x()) / r.width()) * 180 / M_PI;
  };
  const double a0 = angle(start);
  double sweep = angle(end) - a0;
  if (sweep <= 0) sweep += 360;
  QPainterPath l;
  if (kind == 2) {
    l.moveTo(c);
    l.arcTo(r, a0, sweep);
    l.closeSubpath();
  } else {
    l.arcMoveTo(r, a0);
    l.arcTo(r, a0, sweep);
    if (kind == 1) l.closeSubpath();
  }
  addOrDraw(l, kind != 0, true);
}

void GdiPlayer::text(const QPointF& ref0, const QString& s, const std::vector<double>& dx, int options,
                     const QRectF& rect, double, double) {
  const QTransform t = toOut();
  const QPointF ref = (dc.textAlign & 1) ? dc.cur : ref0;  // TA_UPDATECP
  const double sx = std::hypot(t.m11(), t.m12()), sy = std::hypot(t.m21(), t.m22());
  if (!extent) applyClip();
  if ((options & 2) && !rect.isNull() && !extent) {  // ETO_OPAQUE
    ++draws_;
    QPainterPath r;
    r.addPolygon(t.map(QPolygonF(rect.normalized())));
    if (saneOut(r.controlPointRect())) p_.fillPath(r, dc.bkColor);
  }
  if (s.isEmpty()) return;
  const QPointF org = t.map(ref);
  if (!saneOut(QRectF(org, org)) || !(sy > 0) || !(sx > 0)) return;

  const LogFont& lf = dc.font;
  constexpr double kNominal = 64;  // glyphs are laid out at this size and scaled
  QFont f(lf.face.isEmpty() ? QStringLiteral("Liberation Sans") : lf.face);
  f.setPixelSize(int(kNominal));
  f.setWeight(QFont::Weight(std::clamp(lf.weight ? lf.weight : 400, 100, 900)));
  f.setItalic(lf.italic);
  f.setUnderline(lf.underline);
  f.setStrikeOut(lf.strikeOut);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(false);
  QFontMetricsF fm(f);
  double em;  // character height in logical units
  if (lf.height < 0)
    em = -lf.height;
  else if (lf.height > 0)
    em = lf.height * kNominal / std::max(1.0, fm.ascent() + fm.descent());
  else
    em = 12 / sy;
  const double emOut = em * sy;
  if (!(emOut > 0.05) || emOut > 1e5) return;
  const double s1 = emOut / kNominal;  // output pixels per glyph unit, vertically
  double stretch = 1;
  if (lf.width != 0 && fm.averageCharWidth() > 0)
    stretch = std::fabs(lf.width) * sx / (fm.averageCharWidth() * s1);
  stretch = std::clamp(stretch, 0.05, 20.0);
  const double perUnitX = s1 * stretch;  // output pixels per glyph unit along the baseline

  // The escapement is counter-clockwise on the screen in every map mode; a
  // rotating world transform turns the text with it.
  double angle = lf.escapement / 10.0;
  if (t.determinant() > 0) angle += std::atan2(-t.m12(), t.m11()) * 180 / M_PI;

  double width;  // glyph units
  std::vector<double> adv;
  if (!dx.empty()) {
    width = 0;
    adv.reserve(dx.size());
    for (double d : dx) {
      adv.push_back(d * sx / perUnitX);
      width += adv.back();
    }
  } else {
    width = fm.horizontalAdvance(s);
  }
  double x0 = 0, y0 = 0;
  switch (dc.textAlign & 6) {
    case 6: x0 = -width / 2; break;  // TA_CENTER
    case 2: x0 = -width; break;      // TA_RIGHT
    default: break;
  }
  switch (dc.textAlign & 24) {
    case 24: break;                       // TA_BASELINE
    case 8: y0 = -fm.descent(); break;    // TA_BOTTOM
    default: y0 = fm.ascent(); break;     // TA_TOP
  }

  QTransform g;
  g.translate(org.x(), org.y());
  g.rotate(-angle);
  g.scale(perUnitX, s1);
  if (measured(g.mapRect(QRectF(x0, y0 - fm.ascent(), width, fm.ascent() + fm.descent())))) return;
  ++draws_;
  p_.save();
  if (options & 4) {  // ETO_CLIPPED
    QPainterPath r;
    r.addPolygon(t.map(QPolygonF(rect.normalized())));
    p_.setClipPath(r, Qt::IntersectClip);
  }
  p_.setTransform(g);
  if (dc.bkMode == 2 && !(options & 2))
    p_.fillRect(QRectF(x0, y0 - fm.ascent(), width, fm.ascent() + fm.descent()), dc.bkColor);
  p_.setFont(f);
  p_.setPen(dc.textColor);
  if (adv.empty()) {
    p_.drawText(QPointF(x0, y0), s);
  } else {
    double x = x0;
    for (qsizetype i = 0; i < s.size(); ++i) {
      QString ch(s[i]);
      if (s[i].isHighSurrogate() && i + 1 < s.size()) ch += s[i + 1];
      p_.drawText(QPointF(x, y0), ch);
      if (std::size_t(i) < adv.size()) x += adv[std::size_t(i)];
      if (ch.size() == 2) {
        ++i;
        if (std::size_t(i) < adv.size()) x += adv[std::size_t(i)];
      }
    }
  }
  p_.restore();
  clipKnown_ = false;
  if (dc.textAlign & 1) {
    double total = 0;
    for (double d : dx) total += d;
    if (dx.empty()) total = width * perUnitX / sx;
    dc.cur = QPointF(ref.x() + total, ref.y());
  }
}

void GdiPlayer::blit(const QRectF& dest, const QImage& img, const QRectF& src, quint32 rop) {
  const quint32 op = rop >> 16;
  const QTransform t = toOut();
  QPainterPath outRect;
  outRect.addPolygon(t.map(QPolygonF(dest.normalized())));
  if (!saneOut(outRect.controlPointRect())) return;
  if (measured(outRect.controlPointRect())) return;
  ++draws_;
  applyClip();
  switch (op) {
    case 0x00: fillOut(outRect, Qt::black); return;            // BLACKNESS
    case 0xFF: fillOut(outRect, Qt::white); return;            // WHITENESS
    case 0xF0: fillOut(outRect, qbrush()); return;             // PATCOPY
    case 0xAA: return;                                         // destination unchanged
    case 0x55:                                                 // DSTINVERT
      p_.setCompositionMode(QPainter::RasterOp_NotDestination);
      p_.fillPath(outRect, Qt::black);
      p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
      return;
    case 0x5A:                                                 // PATINVERT
      p_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      p_.fillPath(outRect, qbrush());
      p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
      return;
    default: break;
  }
  if (img.isNull() || src.width() == 0 || src.height() == 0) return;
  QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
  switch (op) {
    case 0xEE: mode = QPainter::RasterOp_SourceOrDestination; break;          // SRCPAINT
    case 0x88: mode = QPainter::RasterOp_SourceAndDestination; break;         // SRCAND
    case 0x66: mode = QPainter::RasterOp_SourceXorDestination; break;         // SRCINVERT
    case 0x44: mode = QPainter::RasterOp_SourceAndNotDestination; break;      // SRCERASE
    case 0x33: mode = QPainter::RasterOp_NotSource; break;                    // NOTSRCCOPY
    case 0x11: mode = QPainter::RasterOp_NotSourceAndNotDestination; break;   // NOTSRCERASE
    case 0xBB: mode = QPainter::RasterOp_NotSourceOrDestination; break;       // MERGEPAINT
    default: break;
  }
  QTransform m;
  m.translate(dest.x(), dest.y());
  m.scale(dest.width() / src.width(), dest.height() / src.height());
  m.translate(-src.x(), -src.y());
  const QTransform full = m * t;
  if (op == 0x88 && maskPair(img, src, full)) return;
  if (op == 0xEE) rememberMask(img, src, full, outRect.controlPointRect());
  p_.save();
  p_.setCompositionMode(mode);
  // Raster operations combine whole pixels; smoothing would mix in the white
  // of the image's edges.
  if (mode != QPainter::CompositionMode_SourceOver) p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p_.setTransform(full);
  p_.drawImage(src, img, src);
  p_.restore();
  clipKnown_ = false;
  if (op == 0xEE) mask_.drawsSince = draws_;
}

void GdiPlayer::rememberMask(const QImage& img, const QRectF& src, const QTransform& full, const QRectF& out) {
  mask_ = PendingMask();
  auto* dev = dynamic_cast<QImage*>(p_.device());
  if (!dev) return;
  const QRect area = out.toAlignedRect().intersected(dev->rect());
  if (area.isEmpty()) return;
  mask_.under = dev->copy(area);
  mask_.at = area.topLeft();
  mask_.image = img;
  mask_.src = src;
  mask_.transform = full;
}

bool GdiPlayer::maskPair(const QImage& img, const QRectF& src, const QTransform& full) {
  // The mask just drawn with SRCPAINT and this image with SRCAND make one
  // picture with transparency. Played as raster operations on a scaled
  // picture they leave ragged, discoloured edges; laid over the pixels that
  // were there before, with the mask as alpha, they scale smoothly.
  const bool pair = !mask_.under.isNull() && mask_.drawsSince + 1 == draws_ && mask_.src == src &&
                    mask_.transform == full && mask_.image.size() == img.size();
  const PendingMask m = std::move(mask_);
  mask_ = PendingMask();
  if (!pair) return false;
  QImage over(img.size(), QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y) {
    const QRgb* mk = reinterpret_cast<const QRgb*>(m.image.constScanLine(y));
    const QRgb* im = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    QRgb* o = reinterpret_cast<QRgb*>(over.scanLine(y));
    for (int x = 0; x < img.width(); ++x) o[x] = (im[x] & 0xFFFFFF) | QRgb(qGray(mk[x])) << 24;
  }
  p_.save();
  p_.setClipping(false);
  p_.resetTransform();
  p_.setCompositionMode(QPainter::CompositionMode_Source);
  p_.drawImage(m.at, m.under);
  p_.restore();
  clipKnown_ = false;
  applyClip();
  p_.save();
  p_.setTransform(full);
  p_.drawImage(src, over, src);
  p_.restore();
  clipKnown_ = false;
  ++draws_;
  return true;
}

}  // namespace pz::mf
