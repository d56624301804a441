// CTm2DMatrix: storage, arithmetic, transpose and Gauss-Jordan inverse.
#include "tools/Tm2DMatrix.h"

#include <cmath>
#include <cstdint>
#include <new>
#include <utility>

namespace {

const double kPivotTolerance = 1e-5;

}  // namespace

CTm2DMatrix::CTm2DMatrix() : m_rows(0), m_cols(0) {}

CTm2DMatrix::CTm2DMatrix(unsigned int rows, unsigned int cols) : m_rows(0), m_cols(0)
{
    Initialize(rows, cols);
}

CTm2DMatrix::CTm2DMatrix(unsigned int rows, unsigned int cols, double value) : m_rows(0), m_cols(0)
{
    Initialize(rows, cols);
    *this = value;
}

CTm2DMatrix::CTm2DMatrix(const CTm2DMatrix& other) : m_rows(0), m_cols(0)
{
    *this = other;
}

CTm2DMatrix::~CTm2DMatrix() {}

void CTm2DMatrix::Initialize(unsigned int rows, unsigned int cols)
{
    Release();
    std::uint64_t count = std::uint64_t(rows) * cols;
    if (count == 0) {
        m_rows = rows;
        m_cols = cols;
        return;
    }
    if (count > SIZE_MAX / sizeof(double))
        return;
    m_data.reset(new (std::nothrow) double[count]());
    if (!m_data)
        return;
    m_rows = rows;
    m_cols = cols;
}

void CTm2DMatrix::Release()
{
    m_data.reset();
    m_rows = 0;
    m_cols = 0;
}

void CTm2DMatrix::Realloc(unsigned int rows, unsigned int cols)
{
    if (rows == m_rows && cols == m_cols)
        return;
    Initialize(rows, cols);
}

unsigned int CTm2DMatrix::RowCount() const
{
    return m_rows;
}

unsigned int CTm2DMatrix::ColCount() const
{
    return m_cols;
}

double CTm2DMatrix::At(unsigned int row, unsigned int col) const
{
    if (row >= m_rows || col >= m_cols)
        return 0.0;
    return m_data[std::size_t(row) * m_cols + col];
}

CTm2DMatrix& CTm2DMatrix::operator=(const CTm2DMatrix& other)
{
    if (this == &other)
        return *this;
    Realloc(other.m_rows, other.m_cols);
    if (m_rows != other.m_rows || m_cols != other.m_cols)
        return *this;  // no storage to be had
    std::size_t count = std::size_t(m_rows) * m_cols;
    for (std::size_t i = 0; i < count; ++i)
        m_data[i] = other.m_data[i];
    return *this;
}

CTm2DMatrix& CTm2DMatrix::operator=(double value)
{
    std::size_t count = std::size_t(m_rows) * m_cols;
    for (std::size_t i = 0; i < count; ++i)
        m_data[i] = value;
    return *this;
}

CTm2DMatrix CTm2DMatrix::operator*(const CTm2DMatrix& m) const
{
    CTm2DMatrix product(m_rows, m.ColCount());
    for (unsigned int i = 0; i < product.m_rows; ++i) {
        for (unsigned int j = 0; j < product.m_cols; ++j) {
            double sum = 0.0;
            for (unsigned int k = 0; k < m_cols; ++k)
                sum += (*this)(i, k) * m.At(k, j);
            product(i, j) = sum;
        }
    }
    return product;
}

CTm2DMatrix& CTm2DMatrix::operator*=(const CTm2DMatrix& m)
{
    CTm2DMatrix product = *this * m;
    *this = product;
    return *this;
}

CTm2DMatrix CTm2DMatrix::operator*(double f) const
{
    CTm2DMatrix result(*this);
    result *= f;
    return result;
}

CTm2DMatrix& CTm2DMatrix::operator*=(double f)
{
    std::size_t count = std::size_t(m_rows) * m_cols;
    for (std::size_t i = 0; i < count; ++i)
        m_data[i] *= f;
    return *this;
}

CTm2DMatrix CTm2DMatrix::operator+(const CTm2DMatrix& m) const
{
    CTm2DMatrix result(*this);
    result += m;
    return result;
}

CTm2DMatrix& CTm2DMatrix::operator+=(const CTm2DMatrix& m)
{
    for (unsigned int i = 0; i < m_rows; ++i)
        for (unsigned int j = 0; j < m_cols; ++j)
            (*this)(i, j) += m.At(i, j);
    return *this;
}

CTm2DMatrix CTm2DMatrix::operator-(const CTm2DMatrix& m) const
{
    CTm2DMatrix result(*this);
    result -= m;
    return result;
}

CTm2DMatrix& CTm2DMatrix::operator-=(const CTm2DMatrix& m)
{
    for (unsigned int i = 0; i < m_rows; ++i)
        for (unsigned int j = 0; j < m_cols; ++j)
            (*this)(i, j) -= m.At(i, j);
    return *this;
}

void CTm2DMatrix::Transport(const C2DMatrix& m)
{
    // Transposing in place would read elements already overwritten (or
    // freed, when the sizes change): work from a copy then.
    if (this == &m) {
        CTm2DMatrix copy(m);
        Transport(copy);
        return;
    }
    Realloc(m.ColCount(), m.RowCount());
    for (unsigned int i = 0; i < m_rows; ++i)
        for (unsigned int j = 0; j < m_cols; ++j)
            (*this)(i, j) = m.At(j, i);
}

bool CTm2DMatrix::Inverse()
{
    if (m_rows != m_cols)
        return false;
    const unsigned int n = m_rows;
    // Reduce a copy, so that a singular matrix is left as the caller had it.
    CTm2DMatrix a(*this);
    CTm2DMatrix inv(n, n);
    if (a.m_rows != n || inv.m_rows != n)
        return false;
    for (unsigned int i = 0; i < n; ++i)
        inv(i, i) = 1.0;

    for (unsigned int c = 0; c < n; ++c) {
        unsigned int pivotRow = c;
        for (unsigned int r = c + 1; r < n; ++r)
            if (std::fabs(a(r, c)) > std::fabs(a(pivotRow, c)))
                pivotRow = r;
        double pivot = a(pivotRow, c);
        if (!(std::fabs(pivot) >= kPivotTolerance))
            return false;
        if (pivotRow != c) {
            for (unsigned int j = 0; j < n; ++j) {
                std::swap(a(c, j), a(pivotRow, j));
                std::swap(inv(c, j), inv(pivotRow, j));
            }
        }
        for (unsigned int j = 0; j < n; ++j) {
            a(c, j) /= pivot;
            inv(c, j) /= pivot;
        }
        for (unsigned int r = 0; r < n; ++r) {
            if (r == c)
                continue;
            double factor = a(r, c);
            if (factor == 0.0)
                continue;
            for (unsigned int j = 0; j < n; ++j) {
                a(r, j) -= factor * a(c, j);
                inv(r, j) -= factor * inv(c, j);
            }
        }
    }
    *this = inv;
    return true;
}
