#pragma once
// Double-precision 3-vectors for the camera eye, the ground points and billboard maths, and for
// the tools that build the jet model and paint the sky.

struct Vector3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

double vectorLength(Vector3 v);
Vector3 normalize(Vector3 v);  // a zero vector stays zero
double dot(Vector3 a, Vector3 b);
Vector3 cross(Vector3 a, Vector3 b);
Vector3 scale(Vector3 v, double s);
Vector3 subtract(Vector3 a, Vector3 b);
Vector3 add(Vector3 a, Vector3 b);
