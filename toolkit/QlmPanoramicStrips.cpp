#include "toolkit/QlmPanoramicStrips.h"

#include <vtkCellArray.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <cmath>
#include <numeric>
#include <vector>

#include "toolkit/QlmPlanarCut.h"
#include "toolkit/QlmPlanarCutIndex.h"

namespace {
// Appends the points and lines of `piece` to `points` and `lines`.
void Append(vtkPolyData* piece, vtkPoints* points, vtkCellArray* lines) {
  const vtkIdType base = points->GetNumberOfPoints();
  for (vtkIdType i = 0; i < piece->GetNumberOfPoints(); ++i) points->InsertNextPoint(piece->GetPoint(i));
  vtkCellArray* pieceLines = piece->GetLines();
  if (!pieceLines) return;
  const vtkIdType* ids;
  vtkIdType count;
  std::vector<vtkIdType> shifted;
  for (pieceLines->InitTraversal(); pieceLines->GetNextCell(count, ids);) {
    shifted.assign(ids, ids + count);
    for (vtkIdType& id : shifted) id += base;
    lines->InsertNextCell(count, shifted.data());
  }
}
}  // namespace

QlmPanoramicStrips::QlmPanoramicStrips(vtkPolyData* curve, const double offset[3])
    : Offset{offset[0], offset[1], offset[2]} {
  vtkPoints* points = curve ? curve->GetPoints() : nullptr;
  const vtkIdType count = points ? points->GetNumberOfPoints() : 0;
  for (vtkIdType i = 0; i < count; ++i) {
    const double* p = points->GetPoint(i);
    this->Points.push_back({p[0], p[1], p[2]});
  }
  for (size_t i = 0; i + 1 < this->Points.size(); ++i) {
    const Point& a = this->Points[i];
    const Point& b = this->Points[i + 1];
    this->Lengths.push_back(std::sqrt((b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y) + (b.Z - a.Z) * (b.Z - a.Z)));
  }
}

double QlmPanoramicStrips::GetSegmentCenter(int i) const {
  const double total = std::accumulate(this->Lengths.begin(), this->Lengths.end(), 0.0);
  const double before = std::accumulate(this->Lengths.begin(), this->Lengths.begin() + i, 0.0);
  return before + this->Lengths[i] / 2 - total / 2;
}

bool QlmPanoramicStrips::HasWidth(int i) const {
  const Point& a = this->Points[i];
  const Point& b = this->Points[i + 1];
  return a.X != b.X || a.Y != b.Y;
}

void QlmPanoramicStrips::GetStripMatrix(int i, vtkMatrix4x4* matrix) const {
  const Point& p = this->Points[i];
  const Point& q = this->Points[i + 1];
  double dx = q.X - p.X, dy = q.Y - p.Y;
  const double norm = std::hypot(dx, dy);
  // A segment without width gets the frame of one along x.
  const double ux = norm > 0 ? dx / norm : 1.0, uy = norm > 0 ? dy / norm : 0.0;
  double elements[16] = {ux, 0, uy, p.X + dx / 2, uy, 0, -ux, p.Y + dy / 2, 0, 1, 0, 0, 0, 0, 0, 1};
  FlipStripMatrix(elements);
  for (int row = 0; row < 3; ++row) elements[4 * row + 3] += this->Offset[row];
  matrix->DeepCopy(elements);
}

void QlmPanoramicStrips::FlipStripMatrix(double elements[16]) {
  vtkNew<vtkTransform> transform;
  transform->Concatenate(elements);
  double orientation[3], position[3];
  transform->GetOrientation(orientation);
  transform->GetPosition(position);
  transform->Identity();
  transform->Translate(position[0], -position[1], position[2]);
  transform->RotateY(orientation[1]);
  transform->RotateZ(180.0 - orientation[2]);
  transform->RotateX(orientation[0]);
  transform->RotateY(180.0);
  vtkMatrix4x4::DeepCopy(elements, transform->GetMatrix());
}

int QlmPanoramicStrips::NearestSegment(const double world[3]) const {
  int nearest = -1;
  double best = 1e38;
  for (int i = 0; i < this->GetSegmentCount(); ++i) {
    const double ax = this->Points[i].X + this->Offset[0], ay = -this->Points[i].Y + this->Offset[1];
    const double bx = this->Points[i + 1].X + this->Offset[0], by = -this->Points[i + 1].Y + this->Offset[1];
    const double ex = bx - ax, ey = by - ay;
    const double length2 = ex * ex + ey * ey;
    double nx = ax, ny = ay;
    if (length2 > 0) {
      const double t = ((world[0] - ax) * ex + (world[1] - ay) * ey) / length2;
      if (t > 1) {
        nx = bx;
        ny = by;
      } else if (t >= 0) {
        nx = ax + t * ex;
        ny = ay + t * ey;
      }
    }
    const double distance = std::hypot(world[0] - nx, world[1] - ny);
    if (distance < best) {
      best = distance;
      nearest = i;
    }
  }
  return nearest;
}

void QlmPanoramicStrips::ToUnrolled(int i, const double world[3], double unrolled[3]) const {
  vtkNew<vtkMatrix4x4> strip;
  this->GetStripMatrix(i, strip);
  strip->Invert();
  const double in[4] = {world[0], world[1], world[2], 1.0};
  double out[4];
  strip->MultiplyPoint(in, out);
  unrolled[0] = out[0] + this->GetSegmentCenter(i);
  unrolled[1] = out[1];
  unrolled[2] = 0.0;
}

void QlmPanoramicStrips::ClipToSegment(int i, double height, vtkPoints* points, vtkCellArray* lines) const {
  const double centre = this->GetSegmentCenter(i), half = this->Lengths[i] / 2;
  const bool first = i == 0, last = i == this->GetSegmentCount() - 1;
  enum { Inside = 0, Left = 3, Right = 4 };
  auto code = [&](const double* p) {
    if (p[0] > centre + half && !last) return int(Right);
    if (p[0] < centre - half && !first) return int(Left);
    return int(Inside);
  };
  auto cross = [&](int edgeCode, const double* p, const double* q, double* x) {
    const double edge = edgeCode == Left ? centre - half : centre + half;
    x[0] = edge;
    x[1] = q[1] + (edge - q[0]) * (p[1] - q[1]) / (p[0] - q[0]);
    x[2] = 0.0;
  };
  vtkNew<vtkPoints> kept;
  vtkNew<vtkCellArray> pieces;
  auto emit = [&](const double* a, const double* b) {
    const vtkIdType ids[2] = {kept->InsertNextPoint(a), kept->InsertNextPoint(b)};
    pieces->InsertNextCell(2, ids);
  };
  const vtkIdType* ids;
  vtkIdType count;
  for (lines->InitTraversal(); lines->GetNextCell(count, ids);) {
    for (vtkIdType k = 0; k + 1 < count; ++k) {
      double p[3], q[3], x1[3], x2[3];
      points->GetPoint(ids[k], p);
      points->GetPoint(ids[k + 1], q);
      p[2] = q[2] = 0.0;
      const int cp = code(p), cq = code(q);
      if (cp == Inside && cq == Inside) {
        emit(p, q);
      } else if (cp == Inside) {
        cross(cq, p, q, x2);
        emit(p, x2);
      } else if (cq == Inside) {
        cross(cp, p, q, x1);
        emit(x1, q);
      } else if (cp != cq) {
        cross(cp, p, q, x1);
        cross(cq, p, q, x2);
        if (std::abs(x1[1]) <= height / 2 && std::abs(x2[1]) <= height / 2) emit(x1, x2);
      }
    }
  }
  points->DeepCopy(kept);
  lines->DeepCopy(pieces);
}

void QlmPanoramicStrips::Cut(vtkPolyData* mesh, double height, vtkPolyData* out, QlmPlanarCutIndex* index) const {
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> lines;
  vtkNew<vtkMatrix4x4> strip;
  vtkNew<vtkPolyData> piece;
  for (int segment = 0; mesh && segment < this->GetSegmentCount(); ++segment) {
    if (!this->HasWidth(segment)) continue;
    this->GetStripMatrix(segment, strip);
    const bool first = segment == 0, last = segment == this->GetSegmentCount() - 1;
    if (index)
      index->CutStrip(strip, this->GetSegmentLength(segment) / 2, first, last, piece);
    else
      QlmPlanarCut::Cut(mesh, strip, piece);
    if (piece->GetNumberOfLines() == 0) continue;
    vtkPoints* piecePoints = piece->GetPoints();
    const double centre = this->GetSegmentCenter(segment);
    for (vtkIdType i = 0; i < piecePoints->GetNumberOfPoints(); ++i) {
      double p[3];
      piecePoints->GetPoint(i, p);
      piecePoints->SetPoint(i, p[0] + centre, p[1], 0.0);
    }
    this->ClipToSegment(segment, height, piecePoints, piece->GetLines());
    Append(piece, points, lines);
  }
  out->Initialize();
  out->SetPoints(points);
  if (lines->GetNumberOfCells() > 0) out->SetLines(lines);
}

void QlmPanoramicStrips::Project(int i, vtkPolyData* mesh, vtkPolyData* out) const {
  out->Initialize();
  if (!mesh || !mesh->GetPoints()) return;
  vtkNew<vtkPoints> points;
  points->SetNumberOfPoints(mesh->GetNumberOfPoints());
  for (vtkIdType k = 0; k < mesh->GetNumberOfPoints(); ++k) {
    double unrolled[3];
    this->ToUnrolled(i, mesh->GetPoint(k), unrolled);
    points->SetPoint(k, unrolled);
  }
  out->SetPoints(points);
  out->SetPolys(mesh->GetPolys());
}
