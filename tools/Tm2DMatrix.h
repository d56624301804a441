// A dense matrix of doubles: the transformation matrices of the geometry kit
// (see TMTOOLS::Math::LocalToGlobMatrix) and small linear systems.
//
// Operators on operands of different sizes work over the left operand's
// size and read an element that the right operand does not have as 0; they
// never reach outside either matrix.
#pragma once

#include <cstddef>
#include <memory>

#include "TmToolsApi.h"

class CTm2DMatrix;
typedef CTm2DMatrix C2DMatrix;

class TMTOOLS_API CTm2DMatrix {
public:
    CTm2DMatrix();
    CTm2DMatrix(unsigned int rows, unsigned int cols);
    CTm2DMatrix(unsigned int rows, unsigned int cols, double value);
    CTm2DMatrix(const CTm2DMatrix& other);
    virtual ~CTm2DMatrix();

    // Sets the sizes and zero-fills; earlier storage is released first.
    // Storage that cannot be had leaves a 0 x 0 matrix.
    void Initialize(unsigned int rows, unsigned int cols);
    void Release();
    // Nothing if the sizes are unchanged; else a zero-filled matrix.
    void Realloc(unsigned int rows, unsigned int cols);

    virtual unsigned int RowCount() const;
    virtual unsigned int ColCount() const;

    // Unchecked element access, as for an array.
    double& operator()(unsigned int row, unsigned int col) { return m_data[std::size_t(row) * m_cols + col]; }
    double operator()(unsigned int row, unsigned int col) const { return m_data[std::size_t(row) * m_cols + col]; }

    virtual CTm2DMatrix& operator=(const CTm2DMatrix& other);
    virtual CTm2DMatrix& operator=(double value);

    // Product: RowCount() x m.ColCount(), summed over ColCount().
    virtual CTm2DMatrix operator*(const CTm2DMatrix& m) const;
    virtual CTm2DMatrix& operator*=(const CTm2DMatrix& m);
    virtual CTm2DMatrix operator*(double f) const;
    virtual CTm2DMatrix& operator*=(double f);
    virtual CTm2DMatrix operator+(const CTm2DMatrix& m) const;
    virtual CTm2DMatrix& operator+=(const CTm2DMatrix& m);
    virtual CTm2DMatrix operator-(const CTm2DMatrix& m) const;
    virtual CTm2DMatrix& operator-=(const CTm2DMatrix& m);

    // Makes this matrix the transpose of m (m may be this matrix).
    virtual void Transport(const C2DMatrix& m);
    // Replaces a square matrix by its inverse (Gauss-Jordan, partial
    // pivoting, pivots below 1e-5 taken as singular). False for a
    // non-square or singular matrix, which is then left as it was.
    virtual bool Inverse();

private:
    // Element (row, col), or 0 where this matrix has none.
    TMTOOLS_LOCAL double At(unsigned int row, unsigned int col) const;

    unsigned int m_rows;
    unsigned int m_cols;
    std::unique_ptr<double[]> m_data;
};
