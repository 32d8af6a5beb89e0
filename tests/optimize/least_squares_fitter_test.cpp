#include "optimize/least_squares_fitter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "numeric/vector_values.h"

namespace tovan {
namespace {

using testing_support::Values;

SampleTable Table(const std::vector<double>& x, const std::vector<double>& y) { return {Values(x), Values(y)}; }

// A model given by two functions of (x, parameters), using the default whole-vector operations.
class FunctionModel final : public LeastSquaresFitter {
 public:
  using ModelFunction = std::function<double(double, const Vector&)>;
  using DerivativeFunction = std::function<double(double, int, const Vector&)>;
  FunctionModel(ModelFunction f, DerivativeFunction d) : f(std::move(f)), d(std::move(d)) {}

  double Model(double x) override { return f(x, parameters); }
  double ModelDerivative(double x, int j) override { return d(x, j, parameters); }

  void SetUp(const Vector& start, const SampleTable& data, double tolerance, int maxIterations = 1000,
             bool restart = false, const Vector* weights = nullptr) {
    Setup(start, data, weights ? *weights : Vector(data.abscissae.length(), 1.0), tolerance, maxIterations, restart,
          10000.0, FitMonitorSettings());
  }

 private:
  ModelFunction f;
  DerivativeFunction d;
};

FunctionModel Line() {
  return FunctionModel([](double x, const Vector& p) { return p[0] + p[1] * x; },
                       [](double x, int j, const Vector&) { return j == 0 ? 1.0 : x; });
}

FunctionModel Exponential() {
  return FunctionModel([](double x, const Vector& p) { return p[0] * std::exp(p[1] * x); },
                       [](double x, int j, const Vector& p) {
                         return j == 0 ? std::exp(p[1] * x) : p[0] * x * std::exp(p[1] * x);
                       });
}

TEST(LeastSquaresFitterTest, DefaultOperationsEvaluateTheModelAtEveryAbscissa) {
  FunctionModel line = Line();
  line.SetUp(Values({2, 3}), Table({0, 1, 4}, {0, 0, 0}), 0.0);
  const Linearization l = line.Linearize();
  ASSERT_EQ(l.residuals.length(), 3);
  EXPECT_EQ(l.residuals[2], 14.0);
  ASSERT_EQ(l.jacobian.rows(), 3);
  ASSERT_EQ(l.jacobian.cols(), 2);
  EXPECT_EQ(l.jacobian[2][0], 1.0);
  EXPECT_EQ(l.jacobian[2][1], 4.0);
}

TEST(LeastSquaresFitterTest, RecoversAnExponentialFromTwoStartingPoints) {
  std::vector<double> x, y;
  for (int k = 0; k <= 20; ++k) {
    x.push_back(0.25 * k);
    y.push_back(2.5 * std::exp(-0.7 * 0.25 * k));
  }
  for (const std::vector<double>& start : {std::vector<double>{1, -0.2}, std::vector<double>{4, -1.5}}) {
    FunctionModel model = Exponential();
    model.SetUp(Values(start), Table(x, y), 1e-24);
    EXPECT_TRUE(model.Run()) << start[0];
    EXPECT_NEAR(model.Parameters()[0], 2.5, 1e-10) << start[0];
    EXPECT_NEAR(model.Parameters()[1], -0.7, 1e-10) << start[0];
    EXPECT_LE(model.lastMerit(), 1e-24);
  }
}

TEST(LeastSquaresFitterTest, UnitWeightsGiveTheOrdinaryLeastSquaresLine) {
  // Normal equations of the line fit solved by hand:
  // [n, sum x; sum x, sum x^2] [c; s] = [sum y; sum x y].
  const std::vector<double> x = {0, 1, 2, 3}, y = {1, 2, 2, 5};
  double n = 0, sx = 0, sxx = 0, sy = 0, sxy = 0;
  for (int k = 0; k < 4; ++k) {
    n += 1;
    sx += x[k];
    sxx += x[k] * x[k];
    sy += y[k];
    sxy += x[k] * y[k];
  }
  const double det = n * sxx - sx * sx;
  FunctionModel line = Line();
  line.SetUp(Values({0, 0}), Table(x, y), 0.0);
  line.Run();
  EXPECT_NEAR(line.Parameters()[0], (sy * sxx - sx * sxy) / det, 1e-9);
  EXPECT_NEAR(line.Parameters()[1], (n * sxy - sx * sy) / det, 1e-9);
}

TEST(LeastSquaresFitterTest, UniformWeightsCancelInTheStep) {
  // Doubling every weight doubles both sides of the normal equations exactly, so the
  // run is the same to the last bit.
  const SampleTable data = Table({0, 0.5, 1, 2, 3}, {2.4, 1.7, 1.4, 0.6, 0.3});
  FunctionModel once = Exponential();
  FunctionModel twice = Exponential();
  const Vector ones(5, 1.0), twos(5, 2.0);
  once.SetUp(Values({1, -0.1}), data, 0.0, 1000, false, &ones);
  twice.SetUp(Values({1, -0.1}), data, 0.0, 1000, false, &twos);
  once.Run();
  twice.Run();
  EXPECT_EQ(once.iterationCount(), twice.iterationCount());
  EXPECT_EQ(once.Parameters()[0], twice.Parameters()[0]);
  EXPECT_EQ(once.Parameters()[1], twice.Parameters()[1]);
}

TEST(LeastSquaresFitterTest, AStartThatAlreadyFitsEndsAfterOneStep) {
  FunctionModel line = Line();
  line.SetUp(Values({1, 2}), Table({0, 1, 2}, {1.01, 3, 5}), 0.0004);
  EXPECT_TRUE(line.Run());
  EXPECT_EQ(line.iterationCount(), 1);
  EXPECT_LT(line.lastMerit(), 0.0004);
}

TEST(LeastSquaresFitterTest, AStepThatAlwaysWorsensGivesUpAfterSevenTrials) {
  // The claimed slope has the wrong sign, so every damped step moves away.
  FunctionModel wrong([](double x, const Vector& p) { return p[0] * x; },
                      [](double x, int, const Vector&) { return -x; });
  wrong.SetUp(Values({3}), Table({1, 2}, {1, 2}), 0.0);
  EXPECT_FALSE(wrong.Iterate());
  EXPECT_EQ(wrong.iterationCount(), 7);
  EXPECT_EQ(wrong.damping(), 1e11);
  EXPECT_EQ(wrong.Parameters()[0], 3.0);
  EXPECT_EQ(wrong.lastMerit(), (4.0 + 16.0) / 2);
}

TEST(LeastSquaresFitterTest, AnUnbrokenSeriesOfAcceptedStepsEndsAtTheFifteenth) {
  FunctionModel proportional([](double x, const Vector& p) { return p[0] * x; },
                             [](double x, int, const Vector&) { return x; });
  proportional.SetUp(Values({1}), Table({1, 2}, {2, 4}), 0.0);
  double damping = 10000.0;
  int steps = 0;
  bool goOn = true;
  while (goOn) {
    goOn = proportional.Iterate();
    damping *= 0.1;
    ++steps;
    ASSERT_EQ(proportional.damping(), damping) << steps;
  }
  EXPECT_EQ(steps, 15);
  EXPECT_EQ(proportional.iterationCount(), 15);
  EXPECT_EQ(proportional.Parameters()[0], 2.0);
}

TEST(LeastSquaresFitterTest, ASingularNormalMatrixNeverAcceptsANonFiniteTrial) {
  // The second parameter has no effect: its Jacobian column, and so a row and a
  // column of the damped normal matrix, are zero, and every solve is non-finite.
  FunctionModel idle([](double x, const Vector& p) { return p[0] * x; },
                     [](double x, int j, const Vector&) { return j == 0 ? x : 0.0; });
  idle.SetUp(Values({3, 1}), Table({1, 2}, {1, 2}), 0.0);
  EXPECT_FALSE(idle.Iterate());
  EXPECT_EQ(idle.iterationCount(), 7);
  EXPECT_EQ(idle.Parameters()[0], 3.0);
  EXPECT_EQ(idle.Parameters()[1], 1.0);
  EXPECT_EQ(idle.lastMerit(), 10.0);
  EXPECT_FALSE(idle.Run());
  EXPECT_TRUE(std::isfinite(idle.Parameters()[0]));
}

TEST(LeastSquaresFitterTest, TheIterationLimitEndsTheFirstPassAtItsLastPoint) {
  FunctionModel model = Exponential();
  model.SetUp(Values({1, -0.2}), Table({0, 1, 2, 3}, {2, 1, 0.5, 0.25}), 0.0, 3);
  EXPECT_FALSE(model.Run());
  EXPECT_EQ(model.iterationCount(), 3);
  EXPECT_NE(model.Parameters()[0], 1.0);
}

TEST(LeastSquaresFitterTest, RestartMovesAlongTheInverseGradientAndSkipsZeroComponents) {
  // F = p0 x, targets 0 at x = 1, 2, start (1, 5): the gradient of the mean square
  // is (2/2) sum (p0 x) x = 5 for p0 and 0 for the idle p1. R = 100 * 0.01 = 1.
  FunctionModel idle([](double x, const Vector& p) { return p[0] * x; },
                     [](double x, int j, const Vector&) { return j == 0 ? x : 0.0; });
  idle.SetUp(Values({1, 5}), Table({1, 2}, {0, 0}), 0.01, 1000, true);
  std::srand(12345);
  const int k0 = std::rand();
  std::rand();
  const int next = std::rand();
  std::srand(12345);
  ASSERT_TRUE(idle.Restart());
  const double u0 = (k0 % 32768) / 32767.0;  // the draw reduced to the 15-bit range
  EXPECT_NEAR(idle.Parameters()[0], 1 + (1 - 2 * u0) / 5, 1e-7);
  EXPECT_EQ(idle.Parameters()[1], 5.0);
  EXPECT_EQ(std::rand(), next) << "one draw per parameter";
}

TEST(LeastSquaresFitterTest, MismatchedLengthsUseTheCommonSamples) {
  FunctionModel line = Line();
  const Vector weights = Values({1, 1});
  line.SetUp(Values({0, 0}), Table({0, 1, 2, 3}, {1, 3, 5}), 0.0, 1000, false, &weights);
  line.Run();
  EXPECT_NEAR(line.Parameters()[0], 1.0, 1e-9);
  EXPECT_NEAR(line.Parameters()[1], 2.0, 1e-9);
  EXPECT_EQ(line.Residuals().length(), 2);
}

}  // namespace
}  // namespace tovan
