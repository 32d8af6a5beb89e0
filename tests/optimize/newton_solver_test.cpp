#include "optimize/newton_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "numeric/vector_values.h"

namespace tovan {
namespace {

using testing_support::Values;

// A problem given by two functions of the parameters.
class FunctionProblem final : public NewtonSolver {
 public:
  using ResidualFunction = std::function<double(int, const Vector&)>;
  using JacobianFunction = std::function<double(int, int, const Vector&)>;
  FunctionProblem(ResidualFunction f, JacobianFunction j) : f(std::move(f)), j(std::move(j)) {}

  using NewtonSolver::Jacobian;
  using NewtonSolver::Residual;
  double Residual(int i, const Vector& p) override { return f(i, p); }
  double Jacobian(int r, int c, const Vector& p) override { return j(r, c, p); }
  bool Restart() override { return ++restarts, restartAlways; }

  bool restartAlways = false;
  int restarts = 0;

 private:
  ResidualFunction f;
  JacobianFunction j;
};

void SetUpDefault(NewtonSolver& s, const Vector& start, double tolerance = 1e-30) {
  s.Setup(start, tolerance, 100, 5.0, 2.5);
}

TEST(NewtonSolverTest, FindsTheSquareRootOfTwo) {
  FunctionProblem s([](int, const Vector& p) { return p[0] * p[0] - 2; },
                    [](int, int, const Vector& p) { return 2 * p[0]; });
  SetUpDefault(s, Values({1}), 1e-28);
  EXPECT_TRUE(s.Run());
  EXPECT_NEAR(s.Parameters()[0], std::sqrt(2.0), 1e-14);
  EXPECT_LE(s.LastMerit(), 1e-28);
}

TEST(NewtonSolverTest, AStepThatAlwaysWorsensIsHalvedElevenTimesThenUndone) {
  // The claimed slope has the wrong sign, so every trial moves away from the root.
  FunctionProblem s([](int, const Vector& p) { return p[0]; },
                    [](int, int, const Vector&) { return -1.0; });
  SetUpDefault(s, Values({2}));
  EXPECT_FALSE(s.Iterate());
  EXPECT_EQ(s.IterationCount(), 12);
  EXPECT_EQ(s.Parameters()[0], 2.0);
  EXPECT_EQ(s.LastMerit(), 4.0);
}

TEST(NewtonSolverTest, ASingularJacobianEndsAtTheLastGoodPoint) {
  FunctionProblem s([](int, const Vector& p) { return p[0] + p[1] - 1; },
                    [](int, int, const Vector&) { return 1.0; });
  SetUpDefault(s, Values({2, 3}));
  EXPECT_FALSE(s.Run());
  EXPECT_EQ(s.Parameters()[0], 2.0);
  EXPECT_EQ(s.Parameters()[1], 3.0);
  EXPECT_EQ(s.LastMerit(), 16.0);
  EXPECT_EQ(s.IterationCount(), 12);
}

TEST(NewtonSolverTest, StagnationStopsAtTheSixthRecord) {
  // An overstated slope shrinks x by 0.1 % per step: the merit stays near 0 dB,
  // within 2.5 dB of its smoothed curve, and the test applies once 6 > 5 records.
  FunctionProblem s([](int, const Vector& p) { return p[0]; },
                    [](int, int, const Vector&) { return 1000.0; });
  SetUpDefault(s, Values({1}));
  EXPECT_FALSE(s.Run());
  EXPECT_EQ(s.IterationCount(), 6);
  EXPECT_NEAR(s.Parameters()[0], std::pow(0.999, 6), 1e-15);
}

TEST(NewtonSolverTest, RejectedTrialsAloneReachTheIterationLimit) {
  FunctionProblem s([](int, const Vector& p) { return p[0]; },
                    [](int, int, const Vector&) { return -1.0; });
  s.restartAlways = true;
  SetUpDefault(s, Values({2}));
  EXPECT_FALSE(s.Run());
  EXPECT_EQ(s.IterationCount(), 108);  // nine passes of twelve trials
  EXPECT_EQ(s.restarts, 8);
  EXPECT_EQ(s.Parameters()[0], 2.0);
}

}  // namespace
}  // namespace tovan
